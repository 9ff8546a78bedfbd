#include "record/RosterFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/DecimalText.h"
#include "record/FileNames.h"

namespace quorle {
namespace {

constexpr std::size_t kHeaderFieldsSize = kHeaderSize - 4;  // everything before the row count

}  // namespace

void MarkId(UsedIds& used, std::string_view idText) {
    const int value = TextToInt(idText);
    if (value >= 0 && value <= kHighestId) used.set(static_cast<std::size_t>(value));
}

bool MarkIdsOfClassFile(std::span<const unsigned char> bytes, UsedIds& used) {
    ByteReader in(bytes);
    const unsigned char* magic = nullptr;
    if (!in.ReadBytes(15, magic) || !HasClassFileMagic(magic)) return false;
    if (!in.Skip(kHeaderFieldsSize - 15)) return false;
    std::int32_t rows = 0;
    if (!in.ReadInt32(rows)) return false;
    if (rows < 1 || static_cast<std::size_t>(rows) > in.Remaining() / kMinRowSize) return false;
    UsedIds found;
    std::int32_t items[kCategoryCount] = {};
    for (std::int32_t r = 0; r < rows; ++r) {
        FixedText<5> id;
        if (!in.Skip(30) || !in.ReadText(id)) return false;
        MarkId(found, id.View());
        for (int c = 0; c < kCategoryCount; ++c) {
            std::int32_t count = 0;
            if (!in.ReadInt32(count)) return false;
            if (count < 0 || static_cast<std::size_t>(count) > in.Remaining() / kEntrySize) return false;
            if (r == 0) items[c] = count;
            else if (count != items[c]) return false;
            if (!in.Skip(static_cast<std::size_t>(count) * kEntrySize)) return false;
        }
    }
    used |= found;
    return true;
}

std::string ClassFolder(const std::string& classPath) {
    const std::filesystem::path folder = std::filesystem::path(classPath).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

UsedIds ScanUsedIds(const std::string& folder) {
    UsedIds used;
    for (const std::string& path : FilesWithExtension(folder, "gdr")) {
        const auto bytes = ReadWholeFile(path);
        if (bytes) MarkIdsOfClassFile(*bytes, used);
    }
    return used;
}

IdProposal ProposeId(const UsedIds& used, RandomGenerator& random) {
    int last = 0;
    for (int draw = 0; draw < kProposalDraws; ++draw) {
        last = static_cast<int>(random.Next() % static_cast<std::uint32_t>(kHighestId)) + 1;
        if (!used.test(static_cast<std::size_t>(last))) return IdProposal{last, true};
    }
    return IdProposal{last, false};
}

void AppendTransferredStudent(ClassRecord& destination, const TStudent& student) {
    TStudent row;
    row.lastName = student.lastName;
    row.firstName = student.firstName;
    row.id = student.id;
    const TStudent& possible = destination.PossibleRow();
    for (int c = 0; c < kCategoryCount; ++c) {
        const TGradeList& items = possible.scores[c];
        const TGradeList& his = student.scores[c];
        TGradeList& list = row.scores[c];
        list.reserve(items.size());
        for (std::size_t j = 0; j < items.size(); ++j) {
            const bool matches = j < his.size() && items[j].title.View().find(his[j].title.View()) != std::string_view::npos;
            list.push_back(TGrades{matches ? his[j].value : kOmitMarker, items[j].title});
        }
    }
    destination.roster.push_back(std::move(row));
}

bool TransferStudent(const std::string& destinationPath, const TStudent& student, FileProblem* problem) {
    const auto bytes = ReadWholeFile(destinationPath, kMaxFileBytes, problem);
    if (!bytes) return false;
    ClassRecord destination;
    try {
        destination = ParseClassFile(*bytes);
    } catch (const ClassFileError&) {
        if (problem) *problem = FileProblem{"Not a class file", destinationPath};
        return false;
    }
    AppendTransferredStudent(destination, student);
    return WriteClassRecord(destinationPath, destination, problem);
}

ClassRecord NewGradingPeriodRecord(const ClassRecord& record) {
    ClassRecord next;
    next.info = record.info;
    next.grading = record.grading;
    next.display = record.display;
    next.extra1Name = record.extra1Name;
    next.extra2Name = record.extra2Name;
    next.roster.reserve(record.roster.size());
    for (const TStudent& row : record.roster) {
        TStudent copy;
        copy.lastName = row.lastName;
        copy.firstName = row.firstName;
        copy.id = row.id;
        next.roster.push_back(std::move(copy));
    }
    return next;
}

bool WriteNewGradingPeriod(const ClassRecord& record, const std::string& path, FileProblem* problem) {
    return WriteClassRecord(path, NewGradingPeriodRecord(record), problem);
}

}  // namespace quorle
