#pragma once
// A roster from another program: a CSV file whose header row names the last
// name, first name and (optionally) ID columns. Either the whole file is
// acceptable and every row becomes a student, or nothing is taken and the
// first faulty line is named.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/ClassRecord.h"
#include "record/Random.h"
#include "record/RosterFile.h"

namespace quorle {

struct ImportedStudent {
    std::string last;   // Windows-1252, at most 14 characters
    std::string first;
    std::string id;     // "1" to "999", or empty: a number is proposed
};

struct RosterImport {
    std::vector<ImportedStudent> students;
    std::string error;  // empty when the file was taken whole
    bool tooMany = false;
};

// A class holds at most 999 students: the ID numbers run out there.
inline constexpr int kMaxStudents = kHighestId;

// Reads the bytes of a roster CSV: UTF-8 with or without a byte-order mark,
// fields separated by commas or semicolons. A name holding a control
// character (a zero byte, escape, bell) refuses its line. A roster of more
// than maxStudents students is refused once that many are read, without
// reading further (tooMany is then set).
RosterImport ParseRosterCsv(std::string_view bytes, std::size_t maxStudents = SIZE_MAX);

// Reads a roster for a class: as ParseRosterCsv, and refused, naming the
// limit, when its students would take the class past 999 students or its
// file past the 64 MiB a class file may hold.
RosterImport ParseRosterFor(const ClassRecord& record, std::string_view bytes);

// Appends the students to the roster as Add Students does (every existing
// grade omitted). Students without an ID get a proposed one that no class of
// used has; the IDs given are marked used first. False when some proposal
// found no free number (that student has the last number drawn).
bool AppendImportedStudents(ClassRecord& record, const std::vector<ImportedStudent>& students, UsedIds& used,
                            RandomGenerator& random);

}  // namespace quorle
