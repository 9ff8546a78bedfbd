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

char TypedChar(unsigned style, char c) { return (style & kStylePoints) && c == ',' ? '.' : c; }

std::vector<int> NamingControls(const DialogResource& dialog, std::size_t index) {
    const auto& controls = dialog.controls;
    if (index >= controls.size()) return {};
    const ControlResource& c = controls[index];
    const int self = static_cast<int>(index);
    const bool hasText = !SpokenLabel(c.text).empty();
    switch (c.kind) {
        case ControlKind::Static:
        case ControlKind::GroupBox:
        case ControlKind::PushButton: return {self};
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            if (hasText) return {self};
            if (index + 1 < controls.size()) {
                const ControlResource& next = controls[index + 1];
                if (next.kind == ControlKind::Static && next.row == c.row && next.column == c.column + 1 &&
                    next.group == c.group)
                    return {self + 1};
            }
            break;
        }
        case ControlKind::Edit:
        case ControlKind::ComboBox:
        case ControlKind::ListBox: {
            std::vector<int> labels;
            for (std::size_t i = index; i > 0; --i) {
                const ControlResource& before = controls[i - 1];
                if (before.kind != ControlKind::Static || before.group != c.group) break;
                labels.insert(labels.begin(), static_cast<int>(i - 1));
            }
            if (!labels.empty()) return labels;
            break;
        }
    }
    if (c.group != 0)
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i].kind == ControlKind::GroupBox && controls[i].id == c.group) return {static_cast<int>(i)};
    return {};
}

int GridNeighbour(const DialogResource& dialog, std::size_t index, int dRow, int dColumn) {
    const auto& controls = dialog.controls;
    if (index >= controls.size() || controls[index].kind != ControlKind::CheckBox) return -1;
    const ControlResource& from = controls[index];
    int best = -1;
    int bestDistance = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlResource& c = controls[i];
        if (i == index || c.kind != ControlKind::CheckBox || c.group != from.group) continue;
        const int rows = c.row - from.row;
        const int columns = c.column - from.column;
        int distance = 0;
        if (dColumn == 0 && columns == 0 && rows * dRow > 0)
            distance = rows * dRow;
        else if (dRow == 0 && rows == 0 && columns * dColumn > 0)
            distance = columns * dColumn;
        else
            continue;
        if (best < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
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
