#pragma once
// A PDF file of the program's own making: the layout is Qt's (fonts, glyphs,
// the page and its metrics), the file is written page by page by the
// platform's PDF writer, so a printout of hundreds of pages is written in a
// fraction of the time and holds every page exactly as a printer gets it.
#include <memory>

#include "platform/Print.h"

class QPdfWriter;
class QSaveFile;

namespace quorle::qt {

// The device writes into `file` and lays pages out as `layout` would (its
// resolution, page size and margins); nothing is ever painted on `layout`.
std::unique_ptr<platform::PrintDevice> MakePdfFileDevice(std::unique_ptr<QSaveFile> file,
                                                         std::unique_ptr<QPdfWriter> layout);

}  // namespace quorle::qt
