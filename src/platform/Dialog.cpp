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

int NamingControl(const DialogResource& dialog, std::size_t index) {
    const auto& controls = dialog.controls;
    if (index >= controls.size()) return -1;
    const ControlResource& c = controls[index];
    const bool hasText = !SpokenLabel(c.text).empty();
    switch (c.kind) {
        case ControlKind::Static:
        case ControlKind::GroupBox:
        case ControlKind::PushButton: return hasText ? static_cast<int>(index) : -1;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            if (hasText) return static_cast<int>(index);
            if (index + 1 < controls.size()) {
                const ControlResource& next = controls[index + 1];
                if (next.kind == ControlKind::Static && next.row == c.row && next.column == c.column + 1 &&
                    next.group == c.group)
                    return static_cast<int>(index + 1);
            }
            break;
        }
        case ControlKind::Edit:
        case ControlKind::ComboBox:
        case ControlKind::ListBox: {
            if (index > 0) {
                const ControlResource& before = controls[index - 1];
                if (before.kind == ControlKind::Static && before.group == c.group) return static_cast<int>(index - 1);
            }
            break;
        }
    }
    if (c.group != 0)
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i].kind == ControlKind::GroupBox && controls[i].id == c.group) return static_cast<int>(i);
    return -1;
}

std::string SpokenLabel(std::string_view label) {
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += label[i];
    }
    while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(out.begin());
    return out;
}

std::string Dialog::LimitedText(const DialogHost& host, int id) const {
    std::string text = host.Text(id);
    if (const auto* c = resource_.Find(id); c && c->textLimit > 0 && text.size() > static_cast<std::size_t>(c->textLimit))
        text.resize(static_cast<std::size_t>(c->textLimit));
    return text;
}

}  // namespace quorle::platform
