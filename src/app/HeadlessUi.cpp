#include "app/HeadlessUi.h"

#include <ctime>

#include "platform/ProgramDirectory.h"

namespace quorle {

platform::Answer HeadlessUi::MessageBox(std::string_view, std::string_view, platform::Buttons buttons,
                                        platform::Icon) {
    const bool question = buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel;
    return question ? platform::Answer::No : platform::Answer::Ok;
}

platform::Date HeadlessUi::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return platform::Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::int64_t HeadlessUi::Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

std::string HeadlessUi::ProgramDirectory() { return platform::FindProgramDirectory(); }

}  // namespace quorle
