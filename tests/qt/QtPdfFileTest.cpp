// The report font's glyphs in a PDF are the ones Qt's own PDF writer embeds,
// read back from a page Qt writes in memory, a form Qt does not promise: when
// reading it back stops working this test says so, rather than every PDF
// quietly taking the program's own subset of the font instead.
#include "platform/qt/QtPdfFile.h"

#include <gtest/gtest.h>

#include <QRawFont>

#include "QtTestApp.h"
#include "platform/qt/QtCanvas.h"

namespace quorle::qt {
namespace {

TEST(QtPdfFileTest, TheFontQtEmbedsIsReadBackFromItsPdf) {
    TestApp();
    const QRawFont font = QRawFont::fromFont(QtCanvas::MakeFont(platform::FontSpec{"Courier New", -40, 400, true}));
    const QList<quint32> indexes = font.glyphIndexesForString(QStringLiteral("Ab9"));
    const std::vector<std::uint32_t> glyphs(indexes.begin(), indexes.end());
    const pdf::PdfFontProgram program = QtFontProgram(font, glyphs);
    ASSERT_EQ(program.trueType.substr(0, 4), std::string("\0\1\0\0", 4))
        << "the TrueType font of Qt's in-memory PDF could not be read back (ReadEmbeddedFont): "
           "every PDF now embeds the program's own subset instead of Qt's";
    EXPECT_EQ(program.glyphIndex.size(), 3u);
    for (const std::uint32_t glyph : glyphs) EXPECT_TRUE(program.glyphIndex.contains(glyph)) << glyph;
}

}  // namespace
}  // namespace quorle::qt
