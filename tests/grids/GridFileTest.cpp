#include "grids/GridFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "record/Binary.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

TColumn Column(std::string_view heading, int spaces) { return TColumn{FixedText<80>(heading), spaces}; }

std::vector<unsigned char> Int32(std::int32_t v) {
    ByteWriter w;
    w.WriteInt32(v);
    return w.Bytes();
}

// A column record with arbitrary heading bytes (all 80 of them) and spaces.
std::vector<unsigned char> Record(std::string_view headingBytes, std::int32_t spaces) {
    std::vector<unsigned char> out(80, 0);
    std::memcpy(out.data(), headingBytes.data(), std::min<std::size_t>(80, headingBytes.size()));
    const auto s = Int32(spaces);
    out.insert(out.end(), s.begin(), s.end());
    return out;
}

std::vector<unsigned char> Concat(std::initializer_list<std::vector<unsigned char>> parts) {
    std::vector<unsigned char> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(GridFile, TwoColumnsAreStoredAs172BytesWithZeroFilledHeadings) {
    const TColumnList grid{Column("Essay", 5), Column("Quiz", 4)};
    const auto bytes = SerializeGridFile(grid);
    ASSERT_EQ(bytes.size(), 4u + 2u * 84u);
    EXPECT_EQ(bytes, Concat({Int32(2), Record("Essay", 5), Record("Quiz", 4)}));
    EXPECT_EQ(ParseGridFile(bytes), grid);
    // No columns: the 4-byte file holding 0.
    EXPECT_EQ(SerializeGridFile({}), Int32(0));
    EXPECT_EQ(ParseGridFile(Int32(0)), TColumnList{});
}

TEST(GridFile, HeadingWithoutTerminatorKeeps79CharactersAndBytesAfterTheTerminatorAreIgnored) {
    const std::string full(80, 'H');
    std::string junk = "Lab";
    junk += '\0';
    junk += "garbage";
    const auto parsed = ParseGridFile(Concat({Int32(2), Record(full, 0), Record(junk, 3)}));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ((*parsed)[0].heading.Str(), std::string(79, 'H'));
    EXPECT_EQ((*parsed)[1].heading.Str(), "Lab");
    // Written back, the bytes after the terminator are zeros.
    EXPECT_EQ(SerializeGridFile(*parsed), Concat({Int32(2), Record(std::string(79, 'H'), 0), Record("Lab", 3)}));
}

TEST(GridFile, FilesThisProgramCannotHaveWrittenAreRefused) {
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"empty file", {}},
        {"count cut short", {1, 0}},
        {"negative count", Int32(-1)},
        {"count the bytes cannot hold", Concat({Int32(3), Record("A", 1), Record("B", 1)})},
        {"huge count", Concat({Int32(0x7fffffff), Record("A", 1)})},
        {"record cut short", Concat({Int32(1), std::vector<unsigned char>(83, 0)})},
        {"negative spaces", Concat({Int32(1), Record("A", -1)})},
        {"spaces above the limit", Concat({Int32(1), Record("A", 51)})},
        {"spaces together above the limit", Concat({Int32(2), Record("A", 30), Record("B", 21)})},
        {"spaces that would overflow a sum", Concat({Int32(2), Record("A", 0x7fffffff), Record("B", 0x7fffffff)})},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseGridFile(c.bytes).has_value()) << c.what;
    // The limit itself is a grid the dialog can make.
    EXPECT_TRUE(ParseGridFile(Concat({Int32(2), Record("A", 30), Record("B", 20)})).has_value());
}

TEST(GridFile, WrittenAndReadBackFromDisk) {
    TempDir dir;
    const TColumnList grid{Column("Signed", 6), Column("", 0), Column("Returned", 8)};
    ASSERT_TRUE(WriteGridFile(dir.File("lab.col"), grid));
    EXPECT_EQ(dir.Read("lab.col"), SerializeGridFile(grid));
    EXPECT_EQ(ReadGridFile(dir.File("lab.col")), grid);
    EXPECT_FALSE(ReadGridFile(dir.File("missing.col")).has_value());
    // The writer takes a grid of exactly 50 spaces, as the dialog can make, and no wider.
    EXPECT_TRUE(WriteGridFile(dir.File("fifty.col"), {Column("Essay", 30), Column("Quiz", 20)}));
    EXPECT_FALSE(WriteGridFile(dir.File("wide.col"), {Column("Essay", 30), Column("Quiz", 21)}));
    // A write that cannot be made leaves nothing behind.
    EXPECT_FALSE(WriteGridFile(dir.File("no/such/folder/x.col"), grid));
}

}  // namespace
}  // namespace quorle::testing
