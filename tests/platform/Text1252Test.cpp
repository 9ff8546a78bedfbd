#include "platform/Text1252.h"

#include <gtest/gtest.h>

namespace quorle {
namespace {

TEST(Text1252, EveryByteRoundTripsThroughUtf8) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = platform::Cp1252ToUtf8(one);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD") << b;
            continue;
        }
        std::string back;
        EXPECT_TRUE(platform::Utf8ToCp1252(utf8, back)) << b;
        EXPECT_EQ(back, one) << b;
    }
    EXPECT_EQ(platform::Cp1252ToUtf8("Ren\xE9" "e M\xFC" "ller Pe\xF1" "a \x80"), "Renée Müller Peña €");
}

TEST(Text1252, CharactersWithoutAByteAreRefused) {
    std::string out;
    EXPECT_FALSE(platform::Utf8ToCp1252("Dvořák", out));
    EXPECT_EQ(out, "Dvo?\xE1k");
    EXPECT_FALSE(platform::Utf8ToCp1252("bad \xC3", out));
    EXPECT_FALSE(platform::Utf8ToCp1252("\xC0\xAF", out));  // overlong '/'
    EXPECT_TRUE(platform::Utf8ToCp1252("Zoë", out));
    EXPECT_EQ(out, "Zo\xEB");
    EXPECT_EQ(platform::CodePointToCp1252(0x20AC), 0x80);
    EXPECT_EQ(platform::CodePointToCp1252(0x0159), -1);
}

}  // namespace
}  // namespace quorle
