#include "record/GradesImport.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

#include "platform/Text1252.h"
#include "record/Csv.h"
#include "record/DecimalText.h"

namespace quorle {
namespace {

// A score no grade box would take: the figures have room for five digits.
constexpr double kHighestScore = 99999.0;

// Whether the bytes are well-formed UTF-8 (else they are read as Windows-1252).
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > text.size()) return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

// The base letters of Windows-1252's accented letters from 0xC0 on, lower case
// ('*' where the character is no letter with an accent).
constexpr std::string_view kFolded = "aaaaaa*ceeeeiiii*nooooo*ouuuuy**aaaaaa*ceeeeiiii*nooooo*ouuuuy*y";

// The other Windows-1252 letters a name may be typed without: ligatures, the
// sharp s, and the accented letters below 0xC0.
constexpr std::pair<unsigned char, std::string_view> kSpelledOut[] = {
    {0x8A, "s"}, {0x8C, "oe"}, {0x8E, "z"}, {0x9A, "s"},  {0x9C, "oe"},
    {0x9E, "z"}, {0x9F, "y"},  {0xC6, "ae"}, {0xDF, "ss"}, {0xE6, "ae"},
};


std::optional<std::size_t> FindColumn(const CsvRecord& header, std::initializer_list<std::string_view> names) {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (std::find(names.begin(), names.end(), NameKey(header[i])) != names.end()) return i;
    return std::nullopt;
}

std::string LineError(int line, const std::string& what) { return "Line " + std::to_string(line) + ": " + what; }

const std::string& Field(const CsvRecord& row, std::size_t i) {
    static const std::string empty;
    return i < row.size() ? row[i] : empty;
}

bool IsOmitWord(const std::string& cell) {
    const std::string key = NameKey(cell);
    return key.empty() || key == "n/a" || key == "-" || key == "ex";
}

enum class Score { Number, Negative, TooLarge, NotNumber };

// A score as a spreadsheet writes it: digits with one point or comma.
Score ReadScore(const std::string& cell, float& value) {
    std::string text = platform::TrimPadding(cell, " \t");
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.erase(0, 1);
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.empty() || text == "." || std::count(text.begin(), text.end(), '.') > 1 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return Score::NotNumber;
    const double number = TextToDouble(text);
    if (negative && number != 0.0) return Score::Negative;
    if (number > kHighestScore) return Score::TooLarge;
    value = static_cast<float>(number);
    return Score::Number;
}

// An ID number as the class keeps it: no surrounding spaces, no leading zeros.
std::string IdKey(std::string_view text) {
    std::string id = platform::TrimPadding(text, " \t");
    const std::size_t digits = id.find_first_not_of('0');
    if (!id.empty() && digits == std::string::npos) return "0";
    return id.substr(std::min(digits, id.size()));
}

// How a row names its student.
struct Matching {
    std::optional<std::size_t> id, last, first, name;
};

// The roster rows a line names.
std::vector<int> Matches(const ClassRecord& record, const Matching& how, const CsvRecord& row) {
    std::vector<int> rows;
    const auto add = [&rows](int j) {
        if (std::find(rows.begin(), rows.end(), j) == rows.end()) rows.push_back(j);
    };
    if (how.id) {
        const std::string id = IdKey(Field(row, *how.id));
        if (id.empty()) return rows;
        for (int j = 1; j < record.RowCount(); ++j)
            if (IdKey(record.Row(j).id.View()) == id) add(j);
        return rows;
    }
    // The (last, first) readings of the line's name.
    std::vector<std::pair<std::string, std::string>> names;
    if (how.last) {
        names.emplace_back(NameKey(Field(row, *how.last)), NameKey(Field(row, *how.first)));
    } else {
        const std::string& name = Field(row, *how.name);
        const std::size_t comma = name.find(',');
        if (comma != std::string::npos) {
            names.emplace_back(NameKey(name.substr(0, comma)), NameKey(name.substr(comma + 1)));
        } else {
            // "First Last": any space may part the first name from the last.
            const std::string text = platform::TrimPadding(name, " \t");
            for (std::size_t space = text.find(' '); space != std::string::npos; space = text.find(' ', space + 1))
                names.emplace_back(NameKey(text.substr(space + 1)), NameKey(text.substr(0, space)));
        }
    }
    for (const auto& [last, first] : names) {
        if (last.empty() || first.empty()) continue;
        for (int j = 1; j < record.RowCount(); ++j)
            if (NameKey(record.Row(j).lastName.View()) == last && NameKey(record.Row(j).firstName.View()) == first) add(j);
    }
    return rows;
}

// The file's text in Windows-1252, whichever of the two it was written in.
std::string ScoresText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return IsUtf8(bytes) ? platform::Utf8ToCp1252Lossy(bytes) : std::string(bytes);
}

std::string StudentName(const TStudent& student) {
    return platform::TrimPadding(student.firstName.View()) + " " + platform::TrimPadding(student.lastName.View());
}

}  // namespace

std::string NameKey(std::string_view text) {
    std::string key;
    for (const char c : platform::TrimPadding(text, " \t")) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') {
            key += static_cast<char>(byte - 'A' + 'a');
        } else if (byte >= 0xC0 && kFolded[byte - 0xC0] != '*') {
            key += kFolded[byte - 0xC0];
        } else if (const auto* spelled = std::find_if(std::begin(kSpelledOut), std::end(kSpelledOut),
                                                      [byte](const auto& p) { return p.first == byte; });
                   spelled != std::end(kSpelledOut)) {
            key += spelled->second;
        } else {
            key += c;
        }
    }
    return key;
}

std::vector<std::string> GradesCsvHeadings(std::string_view bytes) {
    const std::string text = ScoresText(bytes);
    CsvTable table = ParseCsv(text, GuessCsvDelimiter(text), 1);
    if (table.errorLine != 0 || table.records.empty()) return {};
    return std::move(table.records.front());
}

GradesImport ParseGradesCsv(const ClassRecord& record, std::string_view bytes, std::string_view column) {
    GradesImport result;
    const std::string text = ScoresText(bytes);
    CsvTable table = ParseCsv(text, GuessCsvDelimiter(text));
    if (table.errorLine != 0) {
        result.error = LineError(table.errorLine, table.error + ".");
        return result;
    }
    // Lines of nothing but empty fields (a spreadsheet's blank rows) name nobody.
    std::vector<std::size_t> rows;
    for (std::size_t r = 1; r < table.records.size(); ++r)
        if (std::any_of(table.records[r].begin(), table.records[r].end(),
                        [](const std::string& f) { return !platform::TrimPadding(f, " \t").empty(); }))
            rows.push_back(r);
    if (table.records.empty() || rows.empty()) {
        result.error = "The file holds no header row and no scores.";
        return result;
    }
    const CsvRecord& header = table.records.front();
    const int headerLine = table.lines.front();
    Matching how;
    how.id = FindColumn(header, {"id", "id #", "id#", "student id", "id number"});
    if (!how.id) {
        how.last = FindColumn(header, {"last name", "last", "surname", "lastname", "family name"});
        how.first = FindColumn(header, {"first name", "first", "given name", "firstname"});
        if (!how.last || !how.first) {
            how.last.reset();
            how.first.reset();
            how.name = FindColumn(header, {"name", "student", "student name", "full name"});
        }
    }
    if (!how.id && !how.last && !how.name) {
        result.error = LineError(headerLine, "no column names the students (\"ID\", \"Last Name\" and \"First Name\", or \"Name\").");
        return result;
    }
    const auto isNameColumn = [&how](std::size_t i) { return i == how.id || i == how.last || i == how.first || i == how.name; };
    std::optional<std::size_t> scoreColumn;
    if (!column.empty()) {
        scoreColumn = FindColumn(header, {NameKey(column)});
        if (!scoreColumn) {
            result.error = LineError(headerLine, "no column is headed \"" + std::string(column) + "\".");
            return result;
        }
    } else {
        // The last column of numbers; a column with nothing filled in only
        // when there is none (every student omitted).
        const auto numbersIn = [&](std::size_t i, bool filledNeeded) {
            bool filled = false;
            for (const std::size_t r : rows) {
                const std::string& cell = Field(table.records[r], i);
                if (IsOmitWord(cell)) continue;
                float value = 0.0f;
                if (ReadScore(cell, value) == Score::NotNumber) return false;
                filled = true;
            }
            return filled || !filledNeeded;
        };
        for (const bool filledNeeded : {true, false})
            for (std::size_t i = header.size(); i-- > 0 && !scoreColumn;)
                if (!isNameColumn(i) && numbersIn(i, filledNeeded)) scoreColumn = i;
        if (!scoreColumn) {
            result.error = LineError(headerLine, "no column holds scores (numbers); " + std::string(kNameTheColumn));
            return result;
        }
    }
    result.column = header[*scoreColumn];
    result.values.assign(record.roster.size(), kOmitMarker);
    std::vector<int> matchedOn(record.roster.size(), 0);
    for (const std::size_t r : rows) {
        const CsvRecord& row = table.records[r];
        const int line = table.lines[r];
        const std::vector<int> matches = Matches(record, how, row);
        if (matches.empty()) {
            result.error = LineError(line, "the line matches no student of the class.");
            return result;
        }
        if (matches.size() > 1) {
            result.error = LineError(line, "the line matches two students of the class (" +
                                               StudentName(record.Row(matches[0])) + " and " +
                                               StudentName(record.Row(matches[1])) + ").");
            return result;
        }
        const auto j = static_cast<std::size_t>(matches.front());
        if (matchedOn[j] != 0) {
            result.error = LineError(line, StudentName(record.Row(matches.front())) + " is matched again (first on line " +
                                               std::to_string(matchedOn[j]) + ").");
            return result;
        }
        matchedOn[j] = line;
        const std::string& cell = Field(row, *scoreColumn);
        if (IsOmitWord(cell)) continue;
        float value = 0.0f;
        switch (ReadScore(cell, value)) {
            case Score::Number: result.values[j] = value; break;
            case Score::Negative:
                result.error = LineError(line, "the score \"" + platform::TrimPadding(cell, " \t") + "\" is negative.");
                return result;
            case Score::TooLarge:
                result.error = LineError(line, "the score \"" + platform::TrimPadding(cell, " \t") +
                                                   "\" is larger than a grade can be (99999).");
                return result;
            case Score::NotNumber:
                result.error = LineError(line, "the score \"" + platform::TrimPadding(cell, " \t") + "\" is not a number.");
                return result;
        }
    }
    for (std::size_t j = 1; j < result.values.size(); ++j) {
        if (result.values[j] == kOmitMarker)
            ++result.omitted;
        else
            ++result.added;
    }
    return result;
}

std::string CountOf(int count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

void AddGradeColumn(ClassRecord& record, int category, std::string_view title, float points,
                    const std::vector<float>& values) {
    for (std::size_t j = 0; j < record.roster.size(); ++j) {
        TGrades entry;
        entry.title = title;
        entry.value = j == 0 ? points : (j < values.size() ? values[j] : kOmitMarker);
        record.roster[j].scores[category].push_back(entry);
    }
}

}  // namespace quorle
