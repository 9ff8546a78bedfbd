#include "app/HeadlessUi.h"

#include <cstdlib>
#include <ctime>

#include "platform/Dialog.h"
#include "platform/ProgramDirectory.h"

namespace quorle {

namespace {
class HiddenDialog : public platform::ModelessDialogHost {
public:
    explicit HiddenDialog(platform::Dialog& dialog) : dialog_(&dialog) { dialog.AttachModeless(this); }
    std::string Text(int) const override { return {}; }
    void SetText(int, std::string_view) override {}
    bool IsChecked(int) const override { return false; }
    void SetChecked(int, bool) override {}
    bool IsEnabled(int) const override { return false; }
    void Enable(int, bool) override {}
    void SetFocus(int) override {}
    void SetListItems(int, const std::vector<std::string>&) override {}
    int Selection(int) const override { return -1; }
    void SetSelection(int, int) override {}
    void EndDialog(bool) override {}
    void Show() override {}
    void Hide() override {}
    bool IsVisible() const override { return false; }
    void Release() override {
        if (dialog_->Modeless() == this) dialog_->AttachModeless(nullptr);
        delete this;
    }

private:
    platform::Dialog* dialog_;
};
}  // namespace

platform::ModelessDialogHost& HeadlessUi::MakeModeless(platform::Dialog& dialog) {
    if (platform::ModelessDialogHost* old = dialog.Modeless()) old->Release();
    return *new HiddenDialog(dialog);
}

platform::Answer HeadlessUi::MessageBox(std::string_view, std::string_view, platform::Buttons buttons,
                                        platform::Icon) {
    const bool question = buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel;
    return question ? platform::Answer::No : platform::Answer::Ok;
}

namespace {

// The clock, or the moment SOURCE_DATE_EPOCH names (seconds since the epoch,
// digits only), so that a build's reports can be made again the same.
std::int64_t FixedOrCurrentTime() {
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed != nullptr && *fixed != '\0') {
        std::int64_t seconds = 0;
        const char* c = fixed;
        for (; *c >= '0' && *c <= '9' && seconds < 100'000'000'000LL; ++c) seconds = seconds * 10 + (*c - '0');
        if (*c == '\0') return seconds;
    }
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace

platform::Date HeadlessUi::Today() {
    const auto now = static_cast<std::time_t>(FixedOrCurrentTime());
    std::tm local{};
    localtime_r(&now, &local);
    return platform::Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::int64_t HeadlessUi::Now() { return FixedOrCurrentTime(); }

std::string HeadlessUi::ProgramDirectory() { return platform::FindProgramDirectory(); }

}  // namespace quorle
