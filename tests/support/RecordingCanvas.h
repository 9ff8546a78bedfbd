#pragma once
// A canvas that records every call and measures text with fixed metrics: every
// character is half as wide as the font's character height (8 x 16 with the
// default font), so positions can be asserted exactly.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Print.h"
#include "platform/Window.h"

namespace quorle::testing {

using platform::Color;
using platform::Rect;
using platform::Size;

struct DrawnText {
    int x = 0;
    int y = 0;
    std::string text;
    Color color;
    bool defaultColor = true;
    int fontHeight = 0;  // character height of the font in use
    int page = 0;        // print devices: the page it was drawn on (1-based)
};

struct DrawnLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int penWidth = 1;
    int page = 0;
};

class RecordingCanvas : public platform::Canvas {
public:
    RecordingCanvas(int width = 1024, int height = 768, int defaultCharHeight = 16)
        : width_(width), height_(height), defaultHeight_(defaultCharHeight), charHeight_(defaultCharHeight) {}

    void SelectFont(const platform::FontSpec& font) override;
    void RestoreFont() override { charHeight_ = defaultHeight_; }
    Size TextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void SetTextColor(Color color) override {
        color_ = color;
        defaultColor_ = false;
    }
    void SetDefaultTextColor() override { defaultColor_ = true; }
    void SetBackgroundTransparent(bool) override {}
    void Line(int x1, int y1, int x2, int y2, int penWidth) override;
    void Rectangle(const Rect& rect, int penWidth) override;
    int DeviceCaps(platform::DeviceCap cap) const override;

    int CharWidth() const { return std::max(1, charHeight_ / 2); }
    int CharHeight() const { return charHeight_; }

    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<platform::FontSpec> fonts;

    // The first text drawn with exactly this content, or nullptr.
    const DrawnText* Find(std::string_view text) const;
    // Every text drawn on one line (same y), left to right.
    std::vector<DrawnText> Line(int y) const;
    // All texts of a page in drawing order.
    std::vector<DrawnText> OnPage(int page) const;

protected:
    int page_ = 0;

private:
    int width_;
    int height_;
    int defaultHeight_;
    int charHeight_;
    Color color_{};
    bool defaultColor_ = true;
};

// A print device that records its pages; spooler results can be scripted.
class RecordingPrintDevice : public platform::PrintDevice {
public:
    RecordingPrintDevice(int width = 2400, int height = 3200) : canvas_(width, height, 16) {}

    void SelectFont(const platform::FontSpec& font) override { canvas_.SelectFont(font); }
    void RestoreFont() override { canvas_.RestoreFont(); }
    Size TextExtent(std::string_view text) override { return canvas_.TextExtent(text); }
    void TextOut(int x, int y, std::string_view text) override;
    void SetTextColor(Color c) override { canvas_.SetTextColor(c); }
    void SetDefaultTextColor() override { canvas_.SetDefaultTextColor(); }
    void SetBackgroundTransparent(bool t) override { canvas_.SetBackgroundTransparent(t); }
    void Line(int x1, int y1, int x2, int y2, int penWidth) override;
    void Rectangle(const Rect& rect, int penWidth) override;
    int DeviceCaps(platform::DeviceCap cap) const override { return canvas_.DeviceCaps(cap); }

    int StartDoc(std::string_view name) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;
    int SetCopyCount(int copies) override;

    // Results to give: StartDoc, and EndPage of the page with that (1-based) number.
    int startDocResult = 1;
    std::map<int, int> endPageResults;
    // How many copies the device makes per pass when asked (0: as many as asked).
    int deviceCopiesLimit = 0;
    // Whether its one document holds every copy, as a PDF file's does.
    bool holdsEveryCopy = false;
    bool HoldsEveryCopy() const override { return holdsEveryCopy; }

    struct Page {
        std::vector<DrawnText> texts;
        std::vector<DrawnLine> lines;
    };
    std::vector<std::string> documents;  // StartDoc names in order
    std::vector<int> copyCounts;         // SetCopyCount calls
    std::vector<Page> pages;             // every page of every document
    int endDocs = 0;

    RecordingCanvas& Canvas() { return canvas_; }
    // All texts of page i (0-based over the whole job), in drawing order.
    std::vector<std::string> PageTexts(std::size_t i) const;

private:
    RecordingCanvas canvas_;
    bool inPage_ = false;
};

// A window host in memory: scroller notifications, check boxes, client size.
class FakeWindowHost : public platform::WindowHost {
public:
    explicit FakeWindowHost(platform::Window& window, Size client = {800, 600}) : window_(window), client_(client) {
        window.AttachHost(this);
    }
    void Invalidate() override { ++invalidations; }
    void ScrollerChanged() override { ++scrollerChanges; }
    Size ClientSize() const override { return client_; }
    void SetFocus() override { ++focusCount; }
    platform::Canvas& MeasuringCanvas() override { return measure_; }
    void AddCheckBox(int id, const Rect& rect) override { checkBoxes[id] = CheckBox{rect, false, {}}; }
    void RemoveCheckBox(int id) override { checkBoxes.erase(id); }
    bool IsCheckBoxChecked(int id) const override {
        auto it = checkBoxes.find(id);
        return it != checkBoxes.end() && it->second.checked;
    }
    void SetCheckBoxChecked(int id, bool checked) override { checkBoxes[id].checked = checked; }
    void SetCaption(std::string_view caption) override { this->caption = std::string(caption); }
    void Show(bool visible) override { shown = visible; }
    void SetAccessibleTable(platform::AccessibleTable* t) override { table = t; }
    void SetAccessibleText(const platform::AccessibleText* t) override { text = t; }
    void AccessibleTextChanged() override { ++textChanges; }
    void AccessibleFocusChanged() override { ++cellFocusChanges; }
    void AccessibleCellEdited() override { ++cellEdits; }
    void SetCheckBoxName(int id, std::string_view name) override { checkBoxes[id].name = std::string(name); }

    void Resize(Size size) {
        client_ = size;
        window_.Resized(size);
    }
    // Paints the whole window on a fresh recording canvas.
    RecordingCanvas Paint();
    // Paints what is in view, the scroll position applied, and records it
    // in client coordinates: what the person sees.
    RecordingCanvas PaintInView();

    // What a person does in the window: a single left click at a client
    // point, a key, and characters typed one by one.
    void Click(platform::Point point) { window_.LeftClick(point); }
    bool Press(platform::Key key) { return window_.KeyDown(key); }
    void Type(std::string_view text) {
        for (const char c : text) window_.CharTyped(c);
    }

    struct CheckBox {
        Rect rect;
        bool checked = false;
        std::string name;  // what a screen reader calls it
    };
    std::map<int, CheckBox> checkBoxes;
    platform::AccessibleTable* table = nullptr;
    const platform::AccessibleText* text = nullptr;
    int textChanges = 0;
    int invalidations = 0;
    int scrollerChanges = 0;
    int focusCount = 0;
    int cellFocusChanges = 0;
    int cellEdits = 0;
    std::string caption;
    bool shown = true;

private:
    platform::Window& window_;
    Size client_;
    RecordingCanvas measure_;
};

}  // namespace quorle::testing
