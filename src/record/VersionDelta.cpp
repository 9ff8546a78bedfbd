#include "record/VersionDelta.h"

#include <cstring>
#include <unordered_map>

#include "record/Binary.h"

namespace quorle {

namespace {

constexpr char kDeltaMark[8] = {'Q', 'r', 'l', 'D', 'e', 'l', 't', 'a'};
constexpr unsigned char kCopy = 'c';
constexpr unsigned char kInsert = 'i';
// The block the matcher looks for in the base. Small enough to find the
// bytes between two changed grades, large enough not to match by chance.
constexpr std::size_t kBlock = 16;
constexpr std::uint64_t kRoll = 0x100000001B3ull;

void WriteChecksum(ByteWriter& out, std::uint64_t value) {
    out.WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
    out.WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(value >> 32)));
}

bool ReadChecksum(ByteReader& in, std::uint64_t& value) {
    std::int32_t low = 0, high = 0;
    if (!in.ReadInt32(low) || !in.ReadInt32(high)) return false;
    value = static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) |
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32);
    return true;
}

// The steps as they are made: a copy that continues the one before joins it.
class Steps {
public:
    explicit Steps(ByteWriter& out) : out_(out) {}
    void Copy(std::size_t offset, std::size_t length) {
        if (length == 0) return;
        if (copyLength_ > 0 && copyOffset_ + copyLength_ == offset) {
            copyLength_ += length;
            return;
        }
        Flush();
        copyOffset_ = offset;
        copyLength_ = length;
    }
    void Insert(std::span<const unsigned char> bytes) {
        if (bytes.empty()) return;
        Flush();
        out_.WriteBytes(&kInsert, 1);
        out_.WriteInt32(static_cast<std::int32_t>(bytes.size()));
        out_.WriteBytes(bytes.data(), bytes.size());
    }
    void Flush() {
        if (copyLength_ == 0) return;
        out_.WriteBytes(&kCopy, 1);
        out_.WriteInt32(static_cast<std::int32_t>(copyOffset_));
        out_.WriteInt32(static_cast<std::int32_t>(copyLength_));
        copyLength_ = 0;
    }

private:
    ByteWriter& out_;
    std::size_t copyOffset_ = 0;
    std::size_t copyLength_ = 0;
};

std::uint64_t BlockHash(const unsigned char* p) {
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < kBlock; ++i) h = h * kRoll + p[i];
    return h;
}

// The middle of the target (what the common start and end leave) as copies
// of blocks found anywhere in the base and the bytes between them.
void MatchMiddle(Steps& steps, std::span<const unsigned char> target, std::size_t from, std::size_t to,
                 std::span<const unsigned char> base, std::size_t baseFrom, std::size_t baseTo) {
    std::unordered_map<std::uint64_t, std::size_t> blocks;
    if (baseTo - baseFrom >= kBlock && to - from >= kBlock) {
        blocks.reserve((baseTo - baseFrom) / kBlock);
        for (std::size_t at = baseFrom; at + kBlock <= baseTo; at += kBlock)
            blocks.emplace(BlockHash(base.data() + at), at);
    }
    std::uint64_t top = 1;  // kRoll to the power kBlock - 1
    for (std::size_t i = 1; i < kBlock; ++i) top *= kRoll;

    std::size_t literal = from;  // where the bytes not yet copied start
    std::size_t at = from;
    std::uint64_t h = 0;
    bool rolling = false;
    while (!blocks.empty() && at + kBlock <= to) {
        if (!rolling) {
            h = BlockHash(target.data() + at);
            rolling = true;
        }
        const auto found = blocks.find(h);
        if (found != blocks.end() && std::memcmp(target.data() + at, base.data() + found->second, kBlock) == 0) {
            std::size_t start = at;
            std::size_t offset = found->second;
            while (start > literal && offset > 0 && target[start - 1] == base[offset - 1]) {
                --start;
                --offset;
            }
            std::size_t end = at + kBlock;
            std::size_t baseEnd = found->second + kBlock;
            while (end < to && baseEnd < base.size() && target[end] == base[baseEnd]) {
                ++end;
                ++baseEnd;
            }
            steps.Insert(target.subspan(literal, start - literal));
            steps.Copy(offset, end - start);
            literal = at = end;
            rolling = false;
            continue;
        }
        if (at + kBlock < to) h = (h - target[at] * top) * kRoll + target[at + kBlock];
        ++at;
    }
    steps.Insert(target.subspan(literal, to - literal));
}

}  // namespace

std::uint64_t VersionChecksum(std::span<const unsigned char> bytes) {
    std::uint64_t h = 0x243F6A8885A308D3ull ^ bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        h = (h ^ word) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    for (; i < bytes.size(); ++i) h = (h ^ bytes[i]) * 0x100000001B3ull;
    h ^= h >> 32;
    return h * 0xD6E8FEB86659FD93ull;
}

std::optional<VersionDeltaHeader> ParseVersionDeltaHeader(std::span<const unsigned char> bytes) {
    ByteReader in(bytes);
    if (!in.ReadMark(kDeltaMark)) return std::nullopt;
    std::int32_t size = 0;
    VersionDeltaHeader header;
    if (!in.ReadInt32(size) || !ReadChecksum(in, header.targetChecksum) || !ReadChecksum(in, header.baseChecksum))
        return std::nullopt;
    if (size < 0 || static_cast<std::size_t>(size) > kMaxFileBytes) return std::nullopt;
    header.targetSize = static_cast<std::size_t>(size);
    return header;
}

std::vector<unsigned char> MakeVersionDelta(std::span<const unsigned char> target, std::span<const unsigned char> base) {
    ByteWriter out;
    out.WriteBytes(kDeltaMark, sizeof kDeltaMark);
    out.WriteInt32(static_cast<std::int32_t>(target.size()));
    WriteChecksum(out, VersionChecksum(target));
    WriteChecksum(out, VersionChecksum(base));

    // A save changes a few bytes in place or moves the rest by a row: the
    // start and the end the two share are found first, the middle by blocks.
    const std::size_t shortest = std::min(target.size(), base.size());
    std::size_t head = 0;
    while (head < shortest && target[head] == base[head]) ++head;
    std::size_t tail = 0;
    while (tail < shortest - head && target[target.size() - 1 - tail] == base[base.size() - 1 - tail]) ++tail;

    Steps steps(out);
    steps.Copy(0, head);
    MatchMiddle(steps, target, head, target.size() - tail, base, head, base.size() - tail);
    steps.Copy(base.size() - tail, tail);
    steps.Flush();
    return std::move(out.Bytes());
}

std::optional<std::vector<unsigned char>> ApplyVersionDeltaSteps(std::span<const unsigned char> steps,
                                                                 std::span<const unsigned char> base,
                                                                 std::size_t targetSize) {
    if (targetSize > kMaxFileBytes) return std::nullopt;
    std::vector<unsigned char> out;
    ByteReader in(steps);
    while (!in.AtEnd()) {
        const unsigned char* kind = nullptr;
        std::int32_t first = 0;
        in.ReadBytes(1, kind);
        if (!in.ReadInt32(first) || first < 0) return std::nullopt;
        const auto a = static_cast<std::size_t>(first);
        const unsigned char* from = nullptr;
        std::size_t length = 0;
        if (*kind == kCopy) {
            std::int32_t second = 0;
            if (!in.ReadInt32(second) || second < 0) return std::nullopt;
            length = static_cast<std::size_t>(second);
            if (a > base.size() || length > base.size() - a) return std::nullopt;
            from = base.data() + a;
        } else if (*kind == kInsert) {
            length = a;
            if (!in.ReadBytes(length, from)) return std::nullopt;
        } else {
            return std::nullopt;
        }
        if (length == 0 || length > targetSize - out.size()) return std::nullopt;
        out.insert(out.end(), from, from + length);
    }
    if (out.size() != targetSize) return std::nullopt;
    return out;
}

std::optional<std::vector<unsigned char>> ApplyVersionDelta(std::span<const unsigned char> delta,
                                                            std::span<const unsigned char> base) {
    const auto header = ParseVersionDeltaHeader(delta);
    if (!header || header->baseChecksum != VersionChecksum(base)) return std::nullopt;
    auto bytes = ApplyVersionDeltaSteps(delta.subspan(kVersionDeltaHeaderSize), base, header->targetSize);
    if (!bytes || VersionChecksum(*bytes) != header->targetChecksum) return std::nullopt;
    return bytes;
}

}  // namespace quorle
