#pragma once
// An earlier version of a class kept as its changes against another version
// (its base): the bytes that stayed are copied from the base, the rest are
// given as they are.
//
//   "QrlDelta"        8 bytes, the mark of a delta (a class file starts with "Quorle95")
//   target size       int32, the size of the version rebuilt
//   target checksum   8 bytes, VersionChecksum of the version rebuilt
//   base checksum     8 bytes, VersionChecksum of the base
//   then steps to the end of the file, each one of
//     'c' offset length   int32 each: copy length bytes of the base from offset
//     'i' length bytes    int32, then that many bytes as they are
//
// A delta rebuilds its version only when the base is the one it was made
// against and the result is exactly as long as said and has the checksum.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorle {

inline constexpr std::size_t kVersionDeltaHeaderSize = 28;

// The checksum versions are known by: a quick 64-bit hash, eight bytes at a
// time (it tells versions apart and finds damage; nothing depends on it
// being hard to forge, the store is private).
std::uint64_t VersionChecksum(std::span<const unsigned char> bytes);

struct VersionDeltaHeader {
    std::size_t targetSize = 0;
    std::uint64_t targetChecksum = 0;
    std::uint64_t baseChecksum = 0;
};

// The header of a delta; nothing for bytes that are not one (a whole class).
std::optional<VersionDeltaHeader> ParseVersionDeltaHeader(std::span<const unsigned char> bytes);

// The delta that rebuilds target from base.
std::vector<unsigned char> MakeVersionDelta(std::span<const unsigned char> target, std::span<const unsigned char> base);

// The version a delta rebuilds from its base; nothing when the delta is
// damaged or cut short, the base is not its own, or the result is not the
// version it names.
std::optional<std::vector<unsigned char>> ApplyVersionDelta(std::span<const unsigned char> delta,
                                                            std::span<const unsigned char> base);

// The steps alone (after the header) on a base: the bytes they make, at most
// targetSize (at most kMaxFileBytes) and exactly that many; nothing when a
// step reads past the steps or the base, or the size is not met.
std::optional<std::vector<unsigned char>> ApplyVersionDeltaSteps(std::span<const unsigned char> steps,
                                                                 std::span<const unsigned char> base,
                                                                 std::size_t targetSize);

}  // namespace quorle
