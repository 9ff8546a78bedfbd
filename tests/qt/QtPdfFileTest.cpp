// The report font's glyphs in a PDF are the ones Qt's own PDF writer embeds,
// read back from a page Qt writes in memory. Qt does not promise that page's
// form: when reading it back stops working, this test says so, rather than
// every PDF quietly taking the program's own subset of the font instead.
#include "platform/qt/QtPdfFile.h"

#include <gtest/gtest.h>

#include <QRawFont>
#include <vector>

#include "QtTestApp.h"
#include "platform/qt/QtCanvas.h"

namespace quorle::qt {
namespace {

TEST(QtPdfFileTest, TheFontQtEmbedsIsReadBackFromItsPdf) {
    TestApp();
    const QRawFont font = QRawFont::fromFont(QtCanvas::MakeFont(platform::FontSpec{"Courier New", -40, 400, true}));
    ASSERT_TRUE(font.isValid());
    const QList<quint32> indexes = font.glyphIndexesForString(QStringLiteral("Ab9"));
    const std::vector<std::uint32_t> glyphs(indexes.begin(), indexes.end());
    ASSERT_EQ(glyphs.size(), 3u);
    const pdf::PdfFontProgram program = QtFontProgram(font, glyphs);
    ASSERT_FALSE(program.trueType.empty())
        << "the font program of Qt's in-memory PDF could not be read back (ReadEmbeddedFont): "
           "every PDF now embeds the program's own subset instead of Qt's";
    EXPECT_EQ(program.trueType.substr(0, 4), std::string("\0\1\0\0", 4));  // a TrueType font
    EXPECT_EQ(program.glyphIndex.size(), glyphs.size());
    for (const std::uint32_t glyph : glyphs) EXPECT_TRUE(program.glyphIndex.contains(glyph)) << glyph;
}

}  // namespace
}  // namespace quorle::qt
