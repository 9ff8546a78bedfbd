#include "seating/SeatingChartFile.h"

#include <filesystem>

#include "record/Binary.h"
#include "record/FileNames.h"
#include "record/FilesTogether.h"

namespace quorle {
namespace {

// The largest chart: 100 desks. Anything much larger is not a chart.
constexpr std::size_t kMaxChartBytes = 64 * 1024;
constexpr const char* kNotAChart = "Not a seating chart";

}  // namespace

std::string ChartPath(const std::string& classPath) { return SiblingPath(classPath, kChartExtension); }

bool ChartExists(const std::string& classPath) {
    if (classPath.empty()) return false;
    std::error_code error;
    return std::filesystem::exists(ChartPath(classPath), error);
}

std::optional<SeatingChart> ParseChartFile(std::span<const unsigned char> bytes) {
    ByteReader in(bytes);
    SeatingChart chart;
    const unsigned char* grid = nullptr;
    if (!in.ReadBytes(kGridBytes, grid)) return std::nullopt;
    std::copy_n(grid, kGridBytes, chart.grid.begin());
    chart.Recount();
    std::int32_t count = 0;
    if (!in.ReadInt32(count)) return std::nullopt;
    // The picture draws one seat record per desk: any other count is not a
    // chart this program can show.
    if (count != chart.seatCount) return std::nullopt;
    if (static_cast<std::size_t>(count) > in.Remaining() / kSeatRecordSize) return std::nullopt;
    chart.seats.resize(static_cast<std::size_t>(count));
    for (TPeople& seat : chart.seats) {
        if (!in.ReadText(seat.firstName) || !in.ReadText(seat.lastName)) return std::nullopt;
    }
    return chart;
}

std::vector<unsigned char> SerializeChartFile(const SeatingChart& chart) {
    ByteWriter out;
    out.Reserve(kChartHeaderSize + kSeatRecordSize * chart.seats.size());
    out.WriteBytes(chart.grid.data(), chart.grid.size());
    out.WriteInt32(static_cast<std::int32_t>(chart.seats.size()));
    for (const TPeople& seat : chart.seats) {
        out.WriteText(seat.firstName);
        out.WriteText(seat.lastName);
    }
    return std::move(out.Bytes());
}

std::optional<SeatingChart> ReadChartFile(const std::string& chartPath, FileProblem* problem) {
    SettleInterruptedWrite(chartPath);  // a write with its class cut short
    const auto bytes = ReadWholeFile(chartPath, kMaxChartBytes, problem);
    if (!bytes) return std::nullopt;
    auto chart = ParseChartFile(*bytes);
    if (!chart && problem) *problem = FileProblem{kNotAChart, chartPath};
    return chart;
}

std::optional<std::vector<unsigned char>> ReadChartBytes(const std::string& chartPath, FileProblem* problem) {
    auto bytes = ReadWholeFile(chartPath, kMaxChartBytes, problem);
    if (!bytes) return std::nullopt;
    if (!ParseChartFile(*bytes)) {
        if (problem) *problem = FileProblem{kNotAChart, chartPath};
        return std::nullopt;
    }
    return bytes;
}

FileProblem ChartFileRefusal(const SeatingChart& chart, const std::string& chartPath) {
    SeatingChart counted = chart;
    counted.Recount();
    if (static_cast<std::size_t>(counted.seatCount) != chart.seats.size())
        return FileProblem{"The seats do not match the desks of the chart", chartPath};
    return {};
}

bool WriteChartFile(const std::string& chartPath, const SeatingChart& chart, FileProblem* problem) {
    FileProblem refusal = ChartFileRefusal(chart, chartPath);
    if (!refusal.Empty()) {
        if (problem) *problem = std::move(refusal);
        return false;
    }
    return WriteFileAtomically(chartPath, SerializeChartFile(chart), problem);
}

void ShowChartCannotBeOpened(platform::Ui& ui, const FileProblem& problem) {
    ui.MessageBox("Warning", FileMessage(kChartCannotBeOpened, problem), platform::Buttons::Ok,
                  platform::Icon::Exclamation);
}

std::optional<SeatingChart> ReadChartOrSay(platform::Ui& ui, const std::string& chartPath) {
    FileProblem problem;
    auto chart = ReadChartFile(chartPath, &problem);
    if (!chart) ShowChartCannotBeOpened(ui, problem);
    return chart;
}

bool CopyChart(platform::Ui& ui, const std::string& oldClassPath, const std::string& newClassPath) {
    if (!ChartExists(oldClassPath)) return true;
    const std::string from = ChartPath(oldClassPath);
    const std::string to = ChartPath(newClassPath);
    // The bytes go over unchanged, once they are known to be a chart.
    FileProblem problem;
    const auto bytes = ReadChartBytes(from, &problem);
    if (!bytes || !WriteFileAtomically(to, *bytes, &problem)) {
        ShowChartCannotBeOpened(ui, problem);
        return false;
    }
    return true;
}

ChartCopyStatus LoadChartCopy(platform::Ui& ui, const std::string& classPath, SeatingChart& copy) {
    if (!ChartExists(classPath)) return ChartCopyStatus::NoChart;
    auto chart = ReadChartOrSay(ui, ChartPath(classPath));
    if (!chart) return ChartCopyStatus::Failed;
    for (TPeople& seat : chart->seats) {
        seat.firstName = TrimSeatName(seat.firstName.View());
        seat.lastName = TrimSeatName(seat.lastName.View());
    }
    copy = std::move(*chart);
    return ChartCopyStatus::Loaded;
}

bool RenameInCopy(SeatingChart& copy, std::string_view oldLast, std::string_view oldFirst, std::string_view newLast,
                  std::string_view newFirst) {
    const int k = FindSeat(copy.seats, oldLast, oldFirst);
    if (k < 0) return false;
    TPeople& seat = copy.seats[static_cast<std::size_t>(k)];
    seat.lastName = TrimSeatName(newLast);
    seat.firstName = TrimSeatName(newFirst);
    return true;
}

bool StoreChartCopy(platform::Ui& ui, const std::string& classPath, const SeatingChart& copy) {
    if (!ChartExists(classPath)) return true;
    SeatingChart padded = copy;
    for (TPeople& seat : padded.seats) seat = TPeople::Seated(seat.firstName.View(), seat.lastName.View());
    FileProblem problem;
    if (!WriteChartFile(ChartPath(classPath), padded, &problem)) {
        ShowChartCannotBeOpened(ui, problem);
        return false;
    }
    return true;
}

SeatArrangement ParseSeatArrangement(std::span<const unsigned char> bytes) {
    SeatArrangement values{};
    ReadInt32s(bytes, values);
    return values;
}

std::vector<unsigned char> SerializeSeatArrangement(const SeatArrangement& arrangement) {
    return Int32sBytes(arrangement);
}

SeatArrangement ReadSeatArrangement(const std::string& programDirectory) {
    const auto bytes = ReadWholeFile(ProgramFilePath(programDirectory, kSeatArrangementFile), kMaxChartBytes);
    if (!bytes) return SeatArrangement{};
    return ParseSeatArrangement(*bytes);
}

bool WriteSeatArrangement(const std::string& programDirectory, const SeatArrangement& arrangement) {
    return WriteFileAtomically(ProgramFilePath(programDirectory, kSeatArrangementFile),
                               SerializeSeatArrangement(arrangement));
}

}  // namespace quorle
