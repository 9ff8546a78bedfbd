#pragma once
// quorle term: a term's grade made of its grading periods' class files, the
// students matched by ID number, each period weighted.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ShowCommand.h"
#include "record/ClassRecord.h"

namespace quorle {

// One grading period: its heading (the file name without the extension, cut
// as a grade title is) and its class.
struct TermClass {
    std::string heading;  // Windows-1252
    ClassRecord record;
};

// The heading of a class file's column.
std::string TermHeading(const std::string& path);

// The weights of --weights: as many numbers as classes, each at least 0,
// with a positive sum. Nothing (and the reason in `problem`) otherwise.
std::optional<std::vector<double>> ParseTermWeights(std::string_view text, std::size_t classes, std::string& problem);

// The lines quorle term prints: the headings, one line per student of any of
// the classes, an empty line and the class average. Cells as `show` has them.
std::vector<ShowLine> BuildTermTable(const std::vector<TermClass>& classes, const std::vector<double>& weights,
                                     bool rank);

const char* TermUsage();

// args are the words after "term". Exit status: 0 done, 1 a file could not be
// read or written, 2 bad arguments.
int RunTermCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorle
