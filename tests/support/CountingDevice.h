#pragma once
// A print device (and so a canvas) that draws nothing and only counts: for
// benchmarks and fuzzing, where recording every text would cost more than the
// drawing measured. Text is measured like the recording canvas: each character
// half as wide as the font's character height.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Print.h"

namespace quorle::testing {

struct DrawCounts {
    std::int64_t texts = 0;
    std::int64_t characters = 0;
    std::int64_t lines = 0;
    std::int64_t pages = 0;
};

class CountingDevice : public platform::PrintDevice {
public:
    // counts, when given, outlives the device (a print job destroys its device).
    explicit CountingDevice(DrawCounts* counts = nullptr, platform::Size page = {2400, 3200}, int dpi = 300)
        : counts_(counts ? counts : &own_), page_(page), dpi_(dpi) {}

    void SelectFont(const platform::FontSpec& font) override { height_ = std::max(1, std::abs(font.height)); }
    void RestoreFont() override { height_ = 16; }
    platform::Size TextExtent(std::string_view text) override {
        return {static_cast<int>(text.size()) * (height_ / 2), height_};
    }
    void TextOut(int, int, std::string_view text) override {
        ++counts_->texts;
        counts_->characters += static_cast<std::int64_t>(text.size());
    }
    void SetTextColor(platform::Color) override {}
    void SetDefaultTextColor() override {}
    void SetBackgroundTransparent(bool) override {}
    void Line(int, int, int, int, int) override { ++counts_->lines; }
    void Rectangle(const platform::Rect&, int) override { counts_->lines += 4; }
    int DeviceCaps(platform::DeviceCap cap) const override {
        switch (cap) {
            case platform::DeviceCap::HorizontalRes: return page_.cx;
            case platform::DeviceCap::VerticalRes: return page_.cy;
            default: return dpi_;
        }
    }
    int StartDoc(std::string_view) override { return 1; }
    int StartPage() override {
        ++counts_->pages;
        return 1;
    }
    int EndPage() override { return 1; }
    int EndDoc() override { return 1; }
    int SetCopyCount(int) override { return 1; }

    const DrawCounts& Counts() const { return *counts_; }

private:
    DrawCounts own_;
    DrawCounts* counts_;
    platform::Size page_;
    int dpi_;
    int height_ = 16;
};

}  // namespace quorle::testing
