#include "record/RosterImport.h"

#include <algorithm>
#include <optional>

#include "platform/Text1252.h"
#include "record/ClassFile.h"
#include "record/Csv.h"

namespace quorle {
namespace {

constexpr std::size_t kNameLength = 14;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::optional<std::size_t> FindColumn(const CsvRecord& header, std::initializer_list<std::string_view> names) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = Lower(platform::TrimPadding(header[i], " \t"));
        if (std::find(names.begin(), names.end(), name) != names.end()) return i;
    }
    return std::nullopt;
}

std::string LineError(int line, const std::string& what) { return "Line " + std::to_string(line) + ": " + what; }

// A name field as the class file stores it, or the reason it cannot be stored.
bool StoredName(const std::string& field, const char* which, std::string& out, std::string& error) {
    const std::string name = platform::TrimPadding(field, " \t");
    if (name.empty()) {
        error = std::string("the ") + which + " is empty.";
        return false;
    }
    // A zero byte would end the name where it stands; escape and bell are no
    // part of anybody's name.
    const auto control = std::find_if(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (control != name.end()) {
        error = std::string("the ") + which + " has a control character (code " +
                std::to_string(static_cast<unsigned char>(*control)) + "), which a name cannot hold.";
        return false;
    }
    if (!platform::Utf8ToCp1252(name, out)) {
        error = std::string("the ") + which + " \"" + name + "\" has characters a class file cannot store.";
        return false;
    }
    if (out.size() > kNameLength) {
        error = std::string("the ") + which + " \"" + name + "\" is longer than 14 characters.";
        return false;
    }
    return true;
}

// "1" to "999" (leading zeros dropped) for a number in that range, else empty.
std::string GivenId(const std::string& field) {
    const std::string text = platform::TrimPadding(field, " \t");
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const int value = std::stoi(text);
    return value >= 1 && value <= kHighestId ? std::to_string(value) : std::string();
}

}  // namespace

RosterImport ParseRosterCsv(std::string_view bytes, std::size_t maxStudents) {
    RosterImport result;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    // The header row and one student more than wanted are enough to refuse.
    const std::size_t maxRecords = maxStudents >= SIZE_MAX - 2 ? SIZE_MAX : maxStudents + 2;
    const CsvTable table = ParseCsv(bytes, GuessCsvDelimiter(bytes), maxRecords);
    if (table.errorLine != 0) {
        result.error = LineError(table.errorLine, table.error + ".");
        return result;
    }
    if (table.records.empty()) {
        result.error = "The file holds no header row and no students.";
        return result;
    }
    const CsvRecord& header = table.records.front();
    const auto last = FindColumn(header, {"last name", "last", "surname", "lastname", "family name"});
    const auto first = FindColumn(header, {"first name", "first", "given name", "firstname"});
    const auto id = FindColumn(header, {"id", "id #", "id#", "student id", "id number"});
    if (!last || !first) {
        result.error = LineError(table.lines.front(), std::string("no column for the ") +
                                                          (!last ? "last name (\"Last Name\", \"Last\" or \"Surname\")."
                                                                 : "first name (\"First Name\", \"First\" or \"Given Name\")."));
        return result;
    }
    if (table.records.size() - 1 > maxStudents) {
        result.tooMany = true;
        return result;
    }
    const std::size_t needed = std::max({*last, *first, id.value_or(0)}) + 1;
    std::vector<ImportedStudent> students;
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        const CsvRecord& row = table.records[r];
        const int line = table.lines[r];
        if (row.size() < needed) {
            result.error = LineError(line, "the line has " + std::to_string(row.size()) + " fields where the header has " +
                                               std::to_string(header.size()) + ".");
            return result;
        }
        ImportedStudent student;
        std::string error;
        if (!StoredName(row[*last], "last name", student.last, error) ||
            !StoredName(row[*first], "first name", student.first, error)) {
            result.error = LineError(line, error);
            return result;
        }
        if (id) student.id = GivenId(row[*id]);
        students.push_back(std::move(student));
    }
    if (students.empty()) {
        result.error = "The file holds no students.";
        return result;
    }
    result.students = std::move(students);
    return result;
}

RosterImport ParseRosterFor(const ClassRecord& record, std::string_view bytes) {
    const int students = record.StudentCount();
    const std::size_t room = students >= kMaxStudents ? 0 : static_cast<std::size_t>(kMaxStudents - students);
    RosterImport roster = ParseRosterCsv(bytes, room);
    if (roster.tooMany) {
        roster.error = "The roster holds more students than the class has room for: a class holds at most " +
                       std::to_string(kMaxStudents) + " students, and this one has " + std::to_string(students) + ".";
        return roster;
    }
    if (!roster.error.empty()) return roster;
    std::size_t rowSize = kMinRowSize;
    for (const TGradeList& items : record.PossibleRow().scores.lists) rowSize += kEntrySize * items.size();
    if (ClassFileSize(record) + roster.students.size() * rowSize > kMaxFileBytes) {
        roster.students.clear();
        roster.error = "With these students the class file would be larger than 64 MiB, the most a class file may hold.";
    }
    return roster;
}

bool AppendImportedStudents(ClassRecord& record, const std::vector<ImportedStudent>& students, UsedIds& used,
                            RandomGenerator& random) {
    for (const ImportedStudent& student : students)
        if (!student.id.empty()) MarkId(used, student.id);
    bool allFree = true;
    for (const ImportedStudent& student : students) {
        std::string id = student.id;
        if (id.empty()) {
            const IdProposal proposal = ProposeId(used, random);
            allFree = allFree && proposal.free;
            id = std::to_string(proposal.id);
            MarkId(used, id);
        }
        AddStudent(record, student.last, student.first, id);
    }
    return allFree;
}

}  // namespace quorle
