#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace quorle::testing {

void RecordingCanvas::SelectFont(const platform::FontSpec& font) {
    fonts.push_back(font);
    charHeight_ = std::max(1, std::abs(font.height));
}

Size RecordingCanvas::TextExtent(std::string_view text) {
    return Size{static_cast<int>(text.size()) * CharWidth(), CharHeight()};
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    texts.push_back(DrawnText{x, y, std::string(text), color_, defaultColor_, charHeight_, page_});
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2, int penWidth) {
    lines.push_back(DrawnLine{x1, y1, x2, y2, penWidth, page_});
}

void RecordingCanvas::Rectangle(const Rect& r, int penWidth) {
    Line(r.left, r.top, r.right, r.top, penWidth);
    Line(r.right, r.top, r.right, r.bottom, penWidth);
    Line(r.right, r.bottom, r.left, r.bottom, penWidth);
    Line(r.left, r.bottom, r.left, r.top, penWidth);
}

int RecordingCanvas::DeviceCaps(platform::DeviceCap cap) const {
    switch (cap) {
        case platform::DeviceCap::HorizontalRes: return width_;
        case platform::DeviceCap::VerticalRes: return height_;
        case platform::DeviceCap::LogPixelsX:
        case platform::DeviceCap::LogPixelsY: return 300;
    }
    return 0;
}

const DrawnText* RecordingCanvas::Find(std::string_view text) const {
    for (const auto& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

std::vector<DrawnText> RecordingCanvas::Line(int y) const {
    std::vector<DrawnText> row;
    for (const auto& t : texts)
        if (t.y == y) row.push_back(t);
    std::stable_sort(row.begin(), row.end(), [](const DrawnText& a, const DrawnText& b) { return a.x < b.x; });
    return row;
}

std::vector<DrawnText> RecordingCanvas::OnPage(int page) const {
    std::vector<DrawnText> out;
    for (const auto& t : texts)
        if (t.page == page) out.push_back(t);
    return out;
}

void RecordingPrintDevice::TextOut(int x, int y, std::string_view text) {
    canvas_.TextOut(x, y, text);
    if (!pages.empty()) pages.back().texts.push_back(canvas_.texts.back());
}

void RecordingPrintDevice::Line(int x1, int y1, int x2, int y2, int penWidth) {
    canvas_.Line(x1, y1, x2, y2, penWidth);
    if (!pages.empty()) pages.back().lines.push_back(canvas_.lines.back());
}

void RecordingPrintDevice::Rectangle(const Rect& r, int penWidth) {
    Line(r.left, r.top, r.right, r.top, penWidth);
    Line(r.right, r.top, r.right, r.bottom, penWidth);
    Line(r.right, r.bottom, r.left, r.bottom, penWidth);
    Line(r.left, r.bottom, r.left, r.top, penWidth);
}

int RecordingPrintDevice::StartDoc(std::string_view name) {
    documents.emplace_back(name);
    return startDocResult;
}

int RecordingPrintDevice::StartPage() {
    pages.emplace_back();
    inPage_ = true;
    return 1;
}

int RecordingPrintDevice::EndPage() {
    inPage_ = false;
    auto it = endPageResults.find(static_cast<int>(pages.size()));
    return it == endPageResults.end() ? 1 : it->second;
}

int RecordingPrintDevice::EndDoc() {
    ++endDocs;
    return 1;
}

int RecordingPrintDevice::SetCopyCount(int copies) {
    copyCounts.push_back(copies);
    return deviceCopiesLimit > 0 ? std::min(copies, deviceCopiesLimit) : copies;
}

std::vector<std::string> RecordingPrintDevice::PageTexts(std::size_t i) const {
    std::vector<std::string> out;
    for (const auto& t : pages.at(i).texts) out.push_back(t.text);
    return out;
}

RecordingCanvas FakeWindowHost::PaintInView() {
    const platform::Scroller& s = window_.GetScroller();
    const int dx = s.xPos * s.xUnit;
    const int dy = s.yPos * s.yUnit;
    RecordingCanvas canvas(client_.cx, client_.cy);
    window_.Paint(canvas, platform::Rect{dx, dy, dx + client_.cx, dy + client_.cy});
    for (DrawnText& t : canvas.texts) {
        t.x -= dx;
        t.y -= dy;
    }
    for (DrawnLine& l : canvas.lines) {
        l.x1 -= dx;
        l.x2 -= dx;
        l.y1 -= dy;
        l.y2 -= dy;
    }
    return canvas;
}

RecordingCanvas FakeWindowHost::Paint() {
    RecordingCanvas canvas(client_.cx, client_.cy);
    window_.Paint(canvas, platform::Rect{0, 0, client_.cx, client_.cy});
    return canvas;
}

}  // namespace quorle::testing
