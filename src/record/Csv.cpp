#include "record/Csv.h"

namespace quorle {

CsvTable ParseCsv(std::string_view text, char delimiter, std::size_t maxRecords) {
    CsvTable table;
    CsvRecord record;
    std::string field;
    int line = 1;
    int recordLine = 1;
    bool quoted = false;        // inside a quoted field
    bool afterQuote = false;    // a quoted field has just closed
    bool fieldStarted = false;  // the current record has any text or delimiter
    const auto fail = [&](int at, std::string what) {
        table.records.clear();
        table.lines.clear();
        table.errorLine = at;
        table.error = std::move(what);
        return table;
    };
    const auto endRecord = [&] {
        if (fieldStarted || !field.empty()) {
            record.push_back(std::move(field));
            table.records.push_back(std::move(record));
            table.lines.push_back(recordLine);
        }
        record.clear();
        field.clear();
        fieldStarted = false;
        afterQuote = false;
    };
    // One record past the most asked for is dropped again and ends the work.
    const auto overflowed = [&] {
        if (table.records.size() <= maxRecords) return false;
        table.records.pop_back();
        table.lines.pop_back();
        table.more = true;
        return true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (c == '\n' || c == '\r') {
            endRecord();
            if (overflowed()) return table;
            ++line;
            recordLine = line;
            continue;
        }
        if (c == delimiter) {
            record.push_back(std::move(field));
            field.clear();
            fieldStarted = true;
            afterQuote = false;
            continue;
        }
        if (afterQuote) return fail(line, "text after a closing quote");
        if (c == '"') {
            if (!field.empty()) return fail(line, "a quote inside an unquoted field");
            quoted = true;
            fieldStarted = true;
            continue;
        }
        field += c;
    }
    if (quoted) return fail(recordLine, "a quoted field is not closed");
    endRecord();
    overflowed();
    return table;
}

char GuessCsvDelimiter(std::string_view text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        if (c == ',') ++commas;
        if (c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

std::string CsvField(std::string_view field, char delimiter) {
    const bool quote = field.find_first_of(std::string{'"', '\r', '\n', delimiter}) != std::string_view::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += CsvField(fields[i]);
    }
    out += "\r\n";
    return out;
}

}  // namespace quorle
