#pragma once
// A PDF file of the program's own making: the layout is Qt's (fonts, glyphs,
// the page and its metrics), the file is written page by page by the
// platform's PDF writer, so a printout of hundreds of pages is written in a
// fraction of the time and holds every page exactly as a printer gets it.
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "pdf/Pdf.h"
#include "platform/Print.h"

class QPdfWriter;
class QRawFont;
class QSaveFile;

namespace quorle::qt {

// The font as Qt's own PDF writer embeds it, read back from a page of the
// glyphs that Qt writes in memory: a printout's glyphs then look exactly as
// they do on the printer's pages. Nothing when that page does not give it
// (the document then embeds the program's own subset of the font).
pdf::PdfFontProgram QtFontProgram(const QRawFont& font, std::span<const std::uint32_t> glyphs);

// Takes the file's bytes in order as they are made; false stops the job.
using PdfSink = std::function<bool(std::string_view bytes)>;

// The device lays pages out as `layout` would (its resolution, page size and
// margins; nothing is ever painted on `layout`) and gives the file's bytes
// to `sink`: whoever made the sink puts them on disk once the job succeeded.
std::unique_ptr<platform::PrintDevice> MakePdfFileDevice(PdfSink sink, std::unique_ptr<QPdfWriter> layout);
// The same, written into a save file that is committed when the document ends.
std::unique_ptr<platform::PrintDevice> MakePdfFileDevice(std::unique_ptr<QSaveFile> file,
                                                         std::unique_ptr<QPdfWriter> layout);

}  // namespace quorle::qt
