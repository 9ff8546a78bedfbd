// TEMPORARY STUB: whole font, no subsetting.
#include "platform/FontSubset.h"
#include <vector>
namespace quorle::platform {
namespace {
void U32(std::string& o, std::uint32_t v) { for (int s = 24; s >= 0; s -= 8) o += static_cast<char>((v >> s) & 0xFF); }
void U16(std::string& o, std::uint32_t v) { o += static_cast<char>((v >> 8) & 0xFF); o += static_cast<char>(v & 0xFF); }
std::uint32_t Sum(const std::string& t) { std::uint32_t s = 0; std::string p = t; while (p.size() % 4) p += '\0';
  for (std::size_t i = 0; i < p.size(); i += 4) s += (std::uint32_t(std::uint8_t(p[i])) << 24) | (std::uint32_t(std::uint8_t(p[i+1])) << 16) | (std::uint32_t(std::uint8_t(p[i+2])) << 8) | std::uint8_t(p[i+3]); return s; }
}
std::string SubsetTrueType(const FontTableSource& tables, std::span<const std::uint32_t>) {
  const char* tags[] = {"OS/2", "cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "post"};
  std::vector<std::pair<std::string, std::string>> t;
  for (const char* tag : tags) { std::string d = tables(tag); if (!d.empty()) t.emplace_back(tag, d); }
  std::string out; U32(out, 0x00010000); U16(out, t.size()); U16(out, 0); U16(out, 0); U16(out, 0);
  std::size_t off = 12 + 16 * t.size();
  std::string body;
  for (auto& [tag, d] : t) { out += tag; U32(out, Sum(d)); U32(out, off + body.size()); U32(out, d.size()); body += d; while (body.size() % 4) body += '\0'; }
  return out + body;
}
}
