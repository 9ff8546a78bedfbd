#include "platform/Dialog.h"

namespace quorle::platform {

std::string FillLabel(std::string_view label, std::string_view text) {
    std::string out(label);
    if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, text);
    return out;
}

std::string Dialog::LimitedText(const DialogHost& host, int id) const {
    std::string text = host.Text(id);
    if (const auto* c = resource_.Find(id); c && c->textLimit > 0 && text.size() > static_cast<std::size_t>(c->textLimit))
        text.resize(static_cast<std::size_t>(c->textLimit));
    return text;
}

}  // namespace quorle::platform
