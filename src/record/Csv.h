#pragma once
// Comma-separated values as RFC 4180 has them: fields separated by a comma
// (or another delimiter), quoted fields with doubled quotes inside, records
// ended by CRLF or LF. Texts are passed through as bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorle {

using CsvRecord = std::vector<std::string>;

struct CsvTable {
    std::vector<CsvRecord> records;
    std::vector<int> lines;  // the line each record starts on, counted from 1
    int errorLine = 0;       // 0: the text was well formed
    std::string error;       // what is wrong on errorLine
    bool more = false;       // records beyond the most asked for were left unread
};

// Splits the text into records. A quote inside an unquoted field, text after
// a closing quote or a quoted field left open is an error of its line. Empty
// lines are skipped. At most maxRecords records are kept: the text after them
// is not looked at (more tells whether there was another record).
CsvTable ParseCsv(std::string_view text, char delimiter, std::size_t maxRecords = SIZE_MAX);

// The delimiter of a CSV text: a semicolon when its first line holds more
// semicolons than commas (outside quotes), else a comma.
char GuessCsvDelimiter(std::string_view text);

// One field as RFC 4180 writes it: quoted when it holds the delimiter, a quote,
// a line break or leading/trailing spaces.
std::string CsvField(std::string_view field, char delimiter = ',');

// The fields joined by commas, ended by CRLF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace quorle
