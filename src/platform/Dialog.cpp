#include "platform/Dialog.h"

namespace quorle::platform {

std::string FillLabel(std::string_view label, std::string_view text) {
    std::string out(label);
    if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, text);
    return out;
}

}  // namespace quorle::platform
