#pragma once
// A TrueType font cut down to the glyphs a document uses. A PDF that embeds
// the report font as a CID font with the identity glyph map draws its text
// with the font's own glyph indexes, so the cut-down font keeps every glyph
// at its index and carries outlines only for the glyphs drawn.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace quorle::pdf {

// One table of a TrueType font by its four-letter tag ("head", "glyf", "cvt " ...):
// its bytes as the font holds them, or empty when the font has no such table.
using FontTableSource = std::function<std::string(std::string_view tag)>;

// A TrueType font program holding the outlines of `glyphs` only (and of glyph 0, the
// missing-glyph box, and of every part a composite glyph among them is built from), each
// at its own index: text drawn with the font's own glyph indexes shows the same shapes.
// Every other glyph is left empty. Empty result when the tables do not make a
// well-formed TrueType font (a table missing or cut short, offsets out of range,
// a composite glyph built from itself or from a glyph the font does not have);
// an index in `glyphs` past the font's glyph count is simply ignored.
//
// The result holds head, hhea, maxp, hmtx, a long-format loca and the cut-down
// glyf, plus cmap, cvt, fpgm, prep, OS/2, name, post and gasp as the font has
// them; the tables about glyphs that are gone (kerning, layout, device metrics,
// signature) are left out.
std::string SubsetTrueType(const FontTableSource& tables, std::span<const std::uint32_t> glyphs);

}  // namespace quorle::pdf
