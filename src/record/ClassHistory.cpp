#include "record/ClassHistory.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "record/ClassFile.h"

namespace quorle {

namespace {

// Equal bytes shorter than this are cheaper kept as new bytes than as a copy.
constexpr std::size_t kShortestCopy = 16;

struct Unit {
    std::size_t offset = 0;
    std::size_t length = 0;
};

std::int64_t ReadCount(std::span<const unsigned char> bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
    return static_cast<std::int32_t>(v);
}

// The header and each row of a class file; whatever does not read as one
// is a last unit of its own.
std::vector<Unit> SplitUnits(std::span<const unsigned char> bytes) {
    std::vector<Unit> units;
    if (bytes.size() < kHeaderSize) {
        if (!bytes.empty()) units.push_back({0, bytes.size()});
        return units;
    }
    units.push_back({0, kHeaderSize});
    std::size_t at = kHeaderSize;
    while (at < bytes.size()) {
        std::size_t end = at + 15 + 15 + 5;
        bool whole = end <= bytes.size();
        for (int c = 0; whole && c < kCategoryCount; ++c) {
            if (end + 4 > bytes.size()) {
                whole = false;
                break;
            }
            const std::int64_t count = ReadCount(bytes, end);
            end += 4;
            if (count < 0 || static_cast<std::uint64_t>(count) > (bytes.size() - end) / kEntrySize) {
                whole = false;
                break;
            }
            end += static_cast<std::size_t>(count) * kEntrySize;
        }
        if (!whole) {
            units.push_back({at, bytes.size() - at});
            break;
        }
        units.push_back({at, end - at});
        at = end;
    }
    return units;
}

std::string_view View(std::span<const unsigned char> bytes, const Unit& unit) {
    return {reinterpret_cast<const char*>(bytes.data()) + unit.offset, unit.length};
}

class DeltaBuilder {
public:
    explicit DeltaBuilder(ByteDelta& delta) : delta_(delta) {}
    void Copy(std::size_t offset, std::size_t length) {
        if (length == 0) return;
        if (!delta_.runs.empty()) {
            ByteDelta::Run& last = delta_.runs.back();
            if (!last.literal && last.offset + last.length == offset) {
                last.length += static_cast<std::uint32_t>(length);
                return;
            }
        }
        delta_.runs.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length), false});
    }
    void Literal(const unsigned char* data, std::size_t length) {
        if (length == 0) return;
        const std::size_t at = delta_.literals.size();
        delta_.literals.insert(delta_.literals.end(), data, data + length);
        if (!delta_.runs.empty() && delta_.runs.back().literal) {
            delta_.runs.back().length += static_cast<std::uint32_t>(length);
            return;
        }
        delta_.runs.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(length), true});
    }

private:
    ByteDelta& delta_;
};

}  // namespace

ByteDelta MakeDelta(std::span<const unsigned char> from, std::span<const unsigned char> to) {
    ByteDelta delta;
    delta.resultSize = to.size();
    DeltaBuilder out(delta);
    const std::vector<Unit> fromUnits = SplitUnits(from);
    const std::vector<Unit> toUnits = SplitUnits(to);
    // Rows that stayed as they were, wherever they went (a drop, Alphabetize).
    std::unordered_multimap<std::string_view, std::size_t> known;
    known.reserve(fromUnits.size());
    for (std::size_t i = 0; i < fromUnits.size(); ++i) known.emplace(View(from, fromUnits[i]), i);
    for (std::size_t j = 0; j < toUnits.size(); ++j) {
        const Unit& unit = toUnits[j];
        const std::string_view text = View(to, unit);
        if (j < fromUnits.size() && View(from, fromUnits[j]) == text) {
            out.Copy(fromUnits[j].offset, unit.length);
            continue;
        }
        if (const auto found = known.find(text); found != known.end()) {
            out.Copy(fromUnits[found->second].offset, unit.length);
            continue;
        }
        // A changed row: what it shares at its start and end with the row
        // that stood at its place is copied.
        const unsigned char* bytes = to.data() + unit.offset;
        if (j >= fromUnits.size()) {
            out.Literal(bytes, unit.length);
            continue;
        }
        const Unit& base = fromUnits[j];
        const unsigned char* old = from.data() + base.offset;
        const std::size_t shorter = std::min(base.length, unit.length);
        std::size_t prefix = 0;
        while (prefix < shorter && old[prefix] == bytes[prefix]) ++prefix;
        std::size_t suffix = 0;
        while (suffix < shorter - prefix &&
               old[base.length - 1 - suffix] == bytes[unit.length - 1 - suffix])
            ++suffix;
        out.Copy(base.offset, prefix);
        // Between them, what stayed in place (the entries after a changed
        // count, the values beside a changed one) is copied too.
        const std::size_t oldEnd = base.length - suffix;
        const std::size_t newEnd = unit.length - suffix;
        std::size_t at = prefix;
        std::size_t literalFrom = prefix;
        while (at < newEnd && at < oldEnd) {
            if (old[at] != bytes[at]) {
                ++at;
                continue;
            }
            std::size_t run = at;
            while (run < newEnd && run < oldEnd && old[run] == bytes[run]) ++run;
            if (run - at >= kShortestCopy) {
                out.Literal(bytes + literalFrom, at - literalFrom);
                out.Copy(base.offset + at, run - at);
                literalFrom = run;
            }
            at = run;
        }
        out.Literal(bytes + literalFrom, newEnd - literalFrom);
        out.Copy(base.offset + oldEnd, suffix);
    }
    delta.runs.shrink_to_fit();
    delta.literals.shrink_to_fit();
    return delta;
}

std::optional<FileBytes> ApplyDelta(std::span<const unsigned char> from, const ByteDelta& delta) {
    FileBytes result;
    result.reserve(delta.resultSize);
    for (const ByteDelta::Run& run : delta.runs) {
        const std::span<const unsigned char> source =
            run.literal ? std::span<const unsigned char>(delta.literals) : from;
        if (run.offset > source.size() || run.length > source.size() - run.offset) return std::nullopt;
        result.insert(result.end(), source.begin() + run.offset, source.begin() + run.offset + run.length);
    }
    if (result.size() != delta.resultSize) return std::nullopt;
    return result;
}

void ClassHistory::Reset(FileBytes current) {
    current_ = std::move(current);
    steps_.clear();
    done_ = 0;
}

bool ClassHistory::Record(std::string name, FileBytes after, std::vector<OtherFileChange> files) {
    std::erase_if(files, [](const OtherFileChange& file) { return file.before == file.after; });
    if (after == current_ && files.empty()) return false;
    steps_.resize(done_);
    HistoryStep step;
    step.name = std::move(name);
    step.back = MakeDelta(after, current_);
    step.forward = MakeDelta(current_, after);
    step.files = std::move(files);
    steps_.push_back(std::move(step));
    ++done_;
    current_ = std::move(after);
    return true;
}

std::optional<FileBytes> ClassHistory::BytesAfterUndo() const {
    if (!CanUndo()) return std::nullopt;
    return ApplyDelta(current_, steps_[done_ - 1].back);
}

std::optional<FileBytes> ClassHistory::BytesAfterRedo() const {
    if (!CanRedo()) return std::nullopt;
    return ApplyDelta(current_, steps_[done_].forward);
}

void ClassHistory::Undone(FileBytes bytes) {
    if (!CanUndo()) return;
    current_ = std::move(bytes);
    --done_;
}

void ClassHistory::Redone(FileBytes bytes) {
    if (!CanRedo()) return;
    current_ = std::move(bytes);
    ++done_;
}

std::size_t ClassHistory::StoredBytes() const {
    std::size_t total = current_.capacity() + steps_.capacity() * sizeof(HistoryStep);
    for (const HistoryStep& step : steps_) {
        total += step.name.capacity() + step.back.StoredBytes() + step.forward.StoredBytes();
        for (const OtherFileChange& file : step.files) {
            total += sizeof(OtherFileChange) + file.path.capacity();
            if (file.before) total += file.before->capacity();
            if (file.after) total += file.after->capacity();
        }
    }
    return total;
}

}  // namespace quorle
