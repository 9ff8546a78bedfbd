#pragma once
// Classes, a parent window and a watched print device for the report tests.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Frame.h"
#include "record/ClassRecord.h"
#include "support/FakeUi.h"
#include "support/RecordingCanvas.h"
#include <gtest/gtest.h>

namespace quorle::testing {

// The class window as the job runner sees it: enabled or not.
class FakeParent : public platform::ChildHost {
public:
    void SetCaption(std::string_view) override {}
    platform::WindowHost& AddPane(platform::Window&) override { throw std::logic_error("no panes"); }
    void PlacePane(platform::Window&, const platform::Rect&) override {}
    Size ClientSize() const override { return {800, 600}; }
    void Show() override {}
    void Enable(bool enabled) override {
        enabled_ = enabled;
        changes.push_back(enabled);
    }
    bool IsEnabled() const override { return enabled_; }
    std::vector<bool> changes;

private:
    bool enabled_ = true;
};

// Hands the job runner a device that forwards to a recording device the test
// keeps (the runner destroys what it is given), noting whether the parent was
// enabled while pages were made.
class WatchedDevice : public platform::PrintDevice {
public:
    WatchedDevice(RecordingPrintDevice& target, const FakeParent* parent) : target_(target), parent_(parent) {}
    void SelectFont(const platform::FontSpec& f) override { target_.SelectFont(f); }
    void RestoreFont() override { target_.RestoreFont(); }
    Size TextExtent(std::string_view t) override { return target_.TextExtent(t); }
    void TextOut(int x, int y, std::string_view t) override { target_.TextOut(x, y, t); }
    void SetTextColor(Color c) override { target_.SetTextColor(c); }
    void SetDefaultTextColor() override { target_.SetDefaultTextColor(); }
    void SetBackgroundTransparent(bool t) override { target_.SetBackgroundTransparent(t); }
    void Line(int x1, int y1, int x2, int y2, int w) override { target_.Line(x1, y1, x2, y2, w); }
    void Rectangle(const Rect& r, int w) override { target_.Rectangle(r, w); }
    int DeviceCaps(platform::DeviceCap c) const override { return target_.DeviceCaps(c); }
    int StartDoc(std::string_view n) override { return target_.StartDoc(n); }
    int StartPage() override {
        if (parent_ && parent_->IsEnabled()) ++enabledDuringPages;
        return target_.StartPage();
    }
    int EndPage() override { return target_.EndPage(); }
    int EndDoc() override { return target_.EndDoc(); }
    int SetCopyCount(int c) override { return target_.SetCopyCount(c); }
    bool HoldsEveryCopy() const override { return target_.HoldsEveryCopy(); }
    static inline int enabledDuringPages = 0;

private:
    RecordingPrintDevice& target_;
    const FakeParent* parent_;
};

// A print dialog answer: OK with the device, after the person's changes to the setup.
inline std::function<std::unique_ptr<platform::PrintDevice>(platform::PrintSetup&)> PrintDialogOk(
    RecordingPrintDevice& device, const FakeParent* parent = nullptr,
    std::function<void(platform::PrintSetup&)> person = {}) {
    return [&device, parent, person](platform::PrintSetup& setup) -> std::unique_ptr<platform::PrintDevice> {
        if (person) person(setup);
        return std::make_unique<WatchedDevice>(device, parent);
    };
}

// A class under the Points method with limits 90/80/70/60.
inline ClassRecord PointsClass() {
    ClassRecord record = NewClassRecord();
    record.info.course = "Biology";
    record.info.instructor = "Ms. Gray";
    record.info.period = "3";
    record.fileName = "/classes/bio.gdr";
    record.grading.pointsFlag = 1;
    record.grading.limits = {LimitText("90"), LimitText("80"), LimitText("70"), LimitText("60")};
    return record;
}

// Appends a grade item to every row: the possible points, then one value per student.
inline void AddItem(ClassRecord& record, int category, const std::string& title, float possible,
                    const std::vector<float>& values) {
    for (std::size_t r = 0; r < record.roster.size(); ++r) {
        const float v = r == 0 ? possible : (r - 1 < values.size() ? values[r - 1] : kOmitMarker);
        record.roster[r].scores[category].push_back(TGrades{v, FixedText<10>(title)});
    }
}

inline void AddStudents(ClassRecord& record, int count) {
    for (int i = 1; i <= count; ++i) AddStudent(record, "Last" + std::to_string(i), "First" + std::to_string(i), std::to_string(i));
}

inline std::vector<std::string> Texts(const std::vector<DrawnText>& drawn) {
    std::vector<std::string> out;
    for (const auto& t : drawn) out.push_back(t.text);
    return out;
}

inline const DrawnText* FindOn(const RecordingPrintDevice::Page& page, const std::string& text) {
    for (const auto& t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

inline int CountOn(const RecordingPrintDevice::Page& page, const std::string& text) {
    int n = 0;
    for (const auto& t : page.texts)
        if (t.text == text) ++n;
    return n;
}

// The recording device's measures with the report font of a 2400 x 3200 page
// (N = 85): character height 38, so a character is 19 wide.
inline constexpr int kLine = 38;
inline constexpr int kTen = 190;
inline constexpr int kFifteen = 285;

// The printable part of a sheet, in device pixels.
struct Paper {
    const char* name;
    int width;
    int height;
};

// Every drawn text of every sheet lies inside the paper and no two overlap;
// boxOf gives the box a text covers as the device measures it.
inline void ExpectOnPaperAndApart(const std::vector<RecordingPrintDevice::Page>& pages, const Paper& paper,
                                  const std::function<Rect(const DrawnText&)>& boxOf, const std::string& what) {
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::pair<Rect, const DrawnText*>> boxes;
        for (const DrawnText& t : pages[p].texts)
            if (!t.text.empty()) boxes.emplace_back(boxOf(t), &t);
        for (const auto& [box, t] : boxes)
            EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= paper.width && box.bottom <= paper.height)
                << what << ", sheet " << p + 1 << ": \"" << t->text << "\" at (" << t->x << ", " << t->y << ") to ("
                << box.right << ", " << box.bottom << ")";
        std::sort(boxes.begin(), boxes.end(), [](const auto& a, const auto& b) { return a.first.top < b.first.top; });
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size() && boxes[j].first.top < boxes[i].first.bottom; ++j) {
                const Rect& a = boxes[i].first;
                const Rect& b = boxes[j].first;
                EXPECT_FALSE(std::min(a.right, b.right) > std::max(a.left, b.left))
                    << what << ", sheet " << p + 1 << ": \"" << boxes[i].second->text << "\" and \""
                    << boxes[j].second->text << "\" overlap";
            }
    }
}

}  // namespace quorle::testing
