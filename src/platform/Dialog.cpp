#include "platform/Dialog.h"

#include <algorithm>

namespace quorle::platform {

std::string FillLabel(std::string_view label, std::string_view text) {
    std::string out(label);
    if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, text);
    return out;
}

std::string_view EditRefusal(unsigned style, std::string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (style & kStylePoints) {
        const std::size_t point = text.find('.');
        const std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
        const bool takes = std::all_of(text.begin(), text.begin() + std::min(point, text.size()), digit) &&
                           decimals.size() <= 2 && std::all_of(decimals.begin(), decimals.end(), digit);
        if (!takes) return "Only digits and one decimal point, with at most two decimals, can be typed here.";
        return {};
    }
    if ((style & kStyleDigitsOnly) && !std::all_of(text.begin(), text.end(), digit))
        return "Only digits can be typed here.";
    return {};
}

std::string Dialog::LimitedText(const DialogHost& host, int id) const {
    std::string text = host.Text(id);
    if (const auto* c = resource_.Find(id); c && c->textLimit > 0 && text.size() > static_cast<std::size_t>(c->textLimit))
        text.resize(static_cast<std::size_t>(c->textLimit));
    return text;
}

}  // namespace quorle::platform
