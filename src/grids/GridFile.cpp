#include "grids/GridFile.h"

#include <string>

#include "record/Binary.h"

namespace quorle {

namespace {

// The largest grid file: a grid holds at most a few hundred columns (50 cells,
// and columns of no width beside them); nothing larger is read into memory.
constexpr std::size_t kMaxGridFileBytes = std::size_t{1} << 20;

}  // namespace

long long TotalSpaces(const TColumnList& columns) {
    long long total = 0;
    for (const TColumn& column : columns) total += column.spaces;
    return total;
}

std::optional<TColumnList> ParseGridFile(std::span<const unsigned char> bytes) {
    ByteReader in(bytes);
    std::int32_t count = 0;
    if (!in.ReadInt32(count)) return std::nullopt;
    if (count < 0 || static_cast<std::size_t>(count) > in.Remaining() / kColumnRecordSize) return std::nullopt;
    TColumnList columns(static_cast<std::size_t>(count));
    long long total = 0;
    for (TColumn& column : columns) {
        if (!in.ReadText(column.heading) || !in.ReadInt32(column.spaces)) return std::nullopt;
        if (column.spaces < 0) return std::nullopt;
        total += column.spaces;
        if (total > kGridSpaceLimit) return std::nullopt;
    }
    return columns;
}

std::vector<unsigned char> SerializeGridFile(const TColumnList& columns) {
    ByteWriter out;
    out.Reserve(4 + kColumnRecordSize * columns.size());
    out.WriteInt32(static_cast<std::int32_t>(columns.size()));
    for (const TColumn& column : columns) {
        out.WriteText(column.heading);
        out.WriteInt32(column.spaces);
    }
    return std::move(out.Bytes());
}

std::optional<TColumnList> ReadGridFile(const std::string& path, FileProblem* problem) {
    const auto bytes = ReadWholeFile(path, kMaxGridFileBytes, problem);
    if (!bytes) return std::nullopt;
    auto columns = ParseGridFile(*bytes);
    if (!columns && problem) *problem = FileProblem{"Not an assignment grid", path};
    return columns;
}

FileProblem GridFileRefusal(const TColumnList& columns, const std::string& path) {
    long long total = 0;
    for (const TColumn& column : columns) {
        if (column.spaces < 0) return FileProblem{"A column has a negative width", path};
        total += column.spaces;
    }
    if (total > kGridSpaceLimit)
        return FileProblem{"The columns are wider than " + std::to_string(kGridSpaceLimit) + " spaces", path};
    if (4 + kColumnRecordSize * columns.size() > kMaxGridFileBytes)
        return FileProblem{"The grid has more columns than a grid file may hold", path};
    return {};
}

bool WriteGridFile(const std::string& path, const TColumnList& columns, FileProblem* problem) {
    FileProblem refusal = GridFileRefusal(columns, path);
    if (!refusal.Empty()) {
        if (problem) *problem = std::move(refusal);
        return false;
    }
    return WriteFileAtomically(path, SerializeGridFile(columns), problem);
}

}  // namespace quorle
