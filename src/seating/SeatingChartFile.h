#pragma once
// The chart file beside a class file (".CHT"): the seat grid, the number of
// seat records N and N seat records of first and last name, and the remembered
// seat arrangement QUORLE.SEA in the program directory.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "record/Binary.h"
#include "seating/SeatingChart.h"

namespace quorle {

inline constexpr const char* kChartExtension = "CHT";
inline constexpr std::size_t kChartHeaderSize = 125;  // grid and N
inline constexpr std::size_t kSeatRecordSize = 30;
inline constexpr const char* kSeatArrangementFile = "QUORLE.SEA";
inline constexpr const char* kChartCannotBeOpened = "File cannot be opened!";

// The chart path of a class file: the class path with its extension replaced
// (an existing chart whatever the case of its extension, else ".CHT").
std::string ChartPath(const std::string& classPath);
// Whether the class has a chart file.
bool ChartExists(const std::string& classPath);

// Parses chart bytes: nothing when they are short or N differs from the
// grid's seat count (bytes after the last record are ignored). Seat count and
// extents are computed.
std::optional<SeatingChart> ParseChartFile(std::span<const unsigned char> bytes);
// The bytes of a chart: grid, N = the number of seats in the list, the seats.
std::vector<unsigned char> SerializeChartFile(const SeatingChart& chart);

// Reads a chart file; nothing when it cannot be opened or is not a chart
// (problem, when given, says why).
std::optional<SeatingChart> ReadChartFile(const std::string& chartPath, FileProblem* problem = nullptr);
// The bytes of a chart file, once they are known to be a chart; nothing when
// it cannot be read or is not a chart (problem, when given, says why).
std::optional<std::vector<unsigned char>> ReadChartBytes(const std::string& chartPath, FileProblem* problem = nullptr);
// Why the reader would refuse the chart's file: a seat list of another
// length than the grid's desks. Empty when it can be written.
FileProblem ChartFileRefusal(const SeatingChart& chart, const std::string& chartPath);
// Writes a chart file atomically; false when it cannot be written or its
// reader would refuse it (problem, when given, says why).
bool WriteChartFile(const std::string& chartPath, const SeatingChart& chart, FileProblem* problem = nullptr);

// "File cannot be opened!" captioned "Warning" with the exclamation icon,
// the problem on its second line.
void ShowChartCannotBeOpened(platform::Ui& ui, const FileProblem& problem = {});
// Reads a chart file; one that cannot be read shows "File cannot be opened!"
// with the reason, and gives nothing.
std::optional<SeatingChart> ReadChartOrSay(platform::Ui& ui, const std::string& chartPath);

// Copies the chart of the old class file, unchanged, to the chart of the new
// one (New Grading Period). Nothing to do when the old class has no chart.
// A chart that cannot be read or written shows "File cannot be opened!"
// ("Warning") and gives false; nothing is written then.
bool CopyChart(platform::Ui& ui, const std::string& oldClassPath, const std::string& newClassPath);

// The whole chart of a class as the Edit Student dialog keeps it.
enum class ChartCopyStatus { NoChart, Loaded, Failed };
// Reads the class's chart into copy with every name stripped of its trailing
// spaces. NoChart when the class has none (copy untouched, no message); Failed
// with "File cannot be opened!" ("Warning") when it cannot be read (copy
// untouched).
ChartCopyStatus LoadChartCopy(platform::Ui& ui, const std::string& classPath, SeatingChart& copy);
// Renames the first seat of the copy holding (old last, old first); either new
// name may be left as it was by passing the old one. False when nobody sits there.
bool RenameInCopy(SeatingChart& copy, std::string_view oldLast, std::string_view oldFirst, std::string_view newLast,
                  std::string_view newFirst);
// Writes the copy back, every name padded to 14 characters, when the class's
// chart still exists (true and nothing written when it does not). False with
// "File cannot be opened!" ("Warning") when it cannot be written.
bool StoreChartCopy(platform::Ui& ui, const std::string& classPath, const SeatingChart& copy);

// The 70 boxes of the arrangement dialog: 1 where ticked.
using SeatArrangement = std::array<std::int32_t, kArrangementBoxes>;
// QUORLE.SEA's values; all 0 when the file is missing or unreadable, and 0 for
// the values a short file lacks.
SeatArrangement ParseSeatArrangement(std::span<const unsigned char> bytes);
std::vector<unsigned char> SerializeSeatArrangement(const SeatArrangement& arrangement);
SeatArrangement ReadSeatArrangement(const std::string& programDirectory);
// False (and nothing else) when it cannot be written.
bool WriteSeatArrangement(const std::string& programDirectory, const SeatArrangement& arrangement);

}  // namespace quorle
