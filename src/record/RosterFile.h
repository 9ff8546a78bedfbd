#pragma once
// The file side of the roster operations: the scan of a folder's class files
// for the ID numbers in use, the proposal of a free one, the transfer of a
// student into another class file and the class file of a new grading period.
// No dialogs here; the commands that show them live with the class window.
#include <bitset>
#include <span>
#include <string>
#include <string_view>

#include "record/Binary.h"
#include "record/ClassRecord.h"
#include "record/Random.h"

namespace quorle {

inline constexpr int kHighestId = 999;
// How many times the generator is asked for a free ID before giving up.
inline constexpr int kProposalDraws = 30000;

// One flag per ID number 0 to 999.
using UsedIds = std::bitset<kHighestId + 1>;

// Sets the flag of an ID text's whole-number value, when it lies in 0..999.
// The Possible Points row's four spaces count as 0.
void MarkId(UsedIds& used, std::string_view idText);

// Marks the IDs of every row of a class file's bytes. A file that is not a
// whole class file (wrong magic, counts its bytes cannot hold, rows whose
// grade items differ from the Possible Points row's) marks nothing: false.
bool MarkIdsOfClassFile(std::span<const unsigned char> bytes, UsedIds& used);

// The folder that holds a class file ("." for a bare name).
std::string ClassFolder(const std::string& classPath);

// The IDs used by the class files (extension .gdr in any case) of a folder.
// Files that cannot be read or are not class files are skipped.
UsedIds ScanUsedIds(const std::string& folder);

struct IdProposal {
    int id = 1;
    bool free = true;  // false: every draw hit a used number; id is the last draw's
};

// Draws up to kProposalDraws numbers r = next mod 999 and proposes the first
// r + 1 whose flag is clear.
IdProposal ProposeId(const UsedIds& used, RandomGenerator& random);

// Appends a copy of the student to a class record with exactly the record's
// grade items: entry j of each category carries the student's value when he
// has an entry j whose title the record's title contains, else it is omitted.
void AppendTransferredStudent(ClassRecord& destination, const TStudent& student);

// Appends the student to the class file at destinationPath (see above) and
// writes it atomically. False, with nothing written, when the destination
// cannot be read, is not a class file or cannot be written.
bool TransferStudent(const std::string& destinationPath, const TStudent& student, FileProblem* problem = nullptr);

// The class of the next grading period: the same settings, class information,
// Extra names and rows (names and IDs), and no grade items at all.
ClassRecord NewGradingPeriodRecord(const ClassRecord& record);

// Writes NewGradingPeriodRecord(record) atomically to path, as it stands.
bool WriteNewGradingPeriod(const ClassRecord& record, const std::string& path, FileProblem* problem = nullptr);

}  // namespace quorle
