#include "support/FakeUi.h"

#include <algorithm>
#include <stdexcept>

namespace quorle::testing {

using platform::ControlKind;

FakeDialogHost::FakeDialogHost(platform::Dialog& dialog, bool modeless)
    : dialog_(&dialog), caption_(dialog.Resource().caption), modeless_(modeless) {
    if (modeless) dialog.AttachModeless(this);
    for (const auto& c : dialog.Resource().controls) {
        if (c.id < 0) continue;
        Control control;
        control.text = c.kind == ControlKind::Edit || c.kind == ControlKind::Static ? c.text : std::string();
        controls_[c.id] = control;
    }
}

FakeDialogHost::~FakeDialogHost() {
    // A modal host may outlive its dialog; only a modeless one is attached.
    if (modeless_ && dialog_ && dialog_->Modeless() == this) dialog_->AttachModeless(nullptr);
}

platform::Dialog& FakeDialogHost::Live(const char* action) const {
    if (!dialog_) throw std::logic_error(std::string(action) + ": the dialog \"" + caption_ + "\" is gone");
    if (modeless_ && !visible_) throw std::logic_error(std::string(action) + ": the dialog \"" + caption_ + "\" is hidden");
    return *dialog_;
}

void FakeDialogHost::Show() {
    if (!dialog_) return;
    ++showCount;
    if (visible_) return;
    ended_ = false;
    result_ = false;
    visible_ = true;
    dialog_->SetupWindow(*this);
}

void FakeDialogHost::Release() {
    if (dialog_ && dialog_->Modeless() == this) dialog_->AttachModeless(nullptr);
    dialog_ = nullptr;
    visible_ = false;
}

FakeDialogHost::Control& FakeDialogHost::At(int id) {
    auto it = controls_.find(id);
    if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id) + " in dialog " + caption_);
    return it->second;
}

const FakeDialogHost::Control& FakeDialogHost::At(int id) const {
    auto it = controls_.find(id);
    if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id) + " in dialog " + caption_);
    return it->second;
}

std::string FakeDialogHost::Text(int id) const { return At(id).text; }

void FakeDialogHost::SetText(int id, std::string_view text) {
    const auto* resource = dialog_ ? dialog_->Resource().Find(id) : nullptr;
    std::string value(text);
    if (resource && resource->kind == ControlKind::Edit && resource->textLimit > 0 &&
        value.size() > static_cast<std::size_t>(resource->textLimit))
        value.resize(static_cast<std::size_t>(resource->textLimit));
    At(id).text = value;
}

bool FakeDialogHost::IsChecked(int id) const { return At(id).checked; }
void FakeDialogHost::SetChecked(int id, bool checked) { At(id).checked = checked; }
bool FakeDialogHost::IsEnabled(int id) const { return At(id).enabled; }
void FakeDialogHost::Enable(int id, bool enabled) { At(id).enabled = enabled; }

void FakeDialogHost::SetListItems(int id, const std::vector<std::string>& items) {
    At(id).items = items;
    At(id).selection = -1;
}
int FakeDialogHost::Selection(int id) const { return At(id).selection; }
void FakeDialogHost::SetSelection(int id, int index) { At(id).selection = index; }
const std::vector<std::string>& FakeDialogHost::ListItems(int id) const { return At(id).items; }

void FakeDialogHost::EndDialog(bool ok) {
    if (!dialog_ || ended_ || (modeless_ && !visible_)) return;
    if (ok && !dialog_->CanClose(*this)) return;
    ended_ = true;
    result_ = ok;
    if (modeless_) visible_ = false;
    // The dialog may let go of its window here.
    dialog_->Ended(*this, ok);
}

bool FakeDialogHost::Add(int id, std::string& text, char c) {
    const auto* resource = dialog_ ? dialog_->Resource().Find(id) : nullptr;
    // A box that is full says nothing.
    if (resource && resource->textLimit > 0 && text.size() >= static_cast<std::size_t>(resource->textLimit))
        return false;
    const unsigned style = resource ? resource->style : 0;
    const std::string longer = text + platform::TypedChar(style, c);
    if (const auto refusal = platform::EditRefusal(style, longer); !refusal.empty()) {
        refusals.emplace_back(refusal);
        return false;
    }
    text = longer;
    return true;
}

void FakeDialogHost::Type(int id, std::string_view text) {
    platform::Dialog& dialog = Live("typing");
    if (!At(id).enabled) throw std::logic_error("typing into a disabled control " + std::to_string(id));
    std::string value;
    for (char c : text) Add(id, value, c);
    SetText(id, value);
    focus_ = id;
    dialog.KeyUp(*this, id);
}

void FakeDialogHost::Keys(int id, std::string_view keys) {
    platform::Dialog& dialog = Live("typing");
    for (char c : keys) {
        if (!At(id).enabled) throw std::logic_error("typing into a disabled control " + std::to_string(id));
        std::string value = At(id).text;
        if (c == '\b') {
            if (!value.empty()) value.pop_back();
        } else {
            Add(id, value, c);
        }
        SetText(id, value);
        focus_ = id;
        dialog.KeyUp(*this, id);
    }
}

void FakeDialogHost::ReleaseKey(int id) {
    platform::Dialog& dialog = Live("pressing a key");
    if (!At(id).enabled) throw std::logic_error("a key in a disabled control " + std::to_string(id));
    focus_ = id;
    dialog.KeyUp(*this, id);
}

void FakeDialogHost::Click(int id) {
    platform::Dialog& dialog = Live("clicking");
    if (id == platform::kIdOk) {
        PressOk();
        return;
    }
    if (id == platform::kIdCancel) {
        PressCancel();
        return;
    }
    if (!At(id).enabled) throw std::logic_error("clicking a disabled control " + std::to_string(id));
    const auto* resource = dialog.Resource().Find(id);
    if (resource && resource->kind == ControlKind::CheckBox) {
        At(id).checked = !At(id).checked;
    } else if (resource && resource->kind == ControlKind::RadioButton) {
        for (const auto& c : dialog.Resource().controls)
            if (c.kind == ControlKind::RadioButton && c.group == resource->group && c.id >= 0) At(c.id).checked = false;
        At(id).checked = true;
    }
    dialog.Clicked(*this, id);
}

void FakeDialogHost::Select(int id, int index) {
    platform::Dialog& dialog = Live("selecting");
    At(id).selection = index;
    dialog.SelectionChanged(*this, id);
}

bool FakeDialogHost::PressOk() {
    Live("pressing OK");
    EndDialog(true);
    return ended_ && result_;
}

void FakeDialogHost::PressCancel() {
    Live("pressing Cancel");
    EndDialog(false);
}

Answer FakeUi::MessageBox(std::string_view caption, std::string_view text, Buttons buttons, Icon icon) {
    boxes.push_back(ShownBox{std::string(caption), std::string(text), buttons, icon});
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}

std::optional<std::string> FakeUi::OpenFileName(const platform::FileDialogOptions& options) {
    fileDialogs.push_back(FileDialogCall{false, options});
    if (fileNames.empty()) return std::nullopt;
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

std::optional<std::string> FakeUi::SaveFileName(const platform::FileDialogOptions& options) {
    fileDialogs.push_back(FileDialogCall{true, options});
    if (fileNames.empty()) return std::nullopt;
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

bool FakeUi::RunModal(platform::Dialog& dialog) {
    dialogCaptions.push_back(dialog.Resource().caption);
    FakeDialogHost host(dialog);
    host.visible_ = true;
    dialog.SetupWindow(host);
    if (dialogs.empty()) return false;
    auto script = std::move(dialogs.front());
    dialogs.pop_front();
    script(host);
    if (!host.Ended()) throw std::logic_error("the dialog script for \"" + dialog.Resource().caption + "\" left it open");
    return host.Result();
}

std::unique_ptr<platform::PrintDevice> FakeUi::PrintDialog(platform::PrintSetup& setup) {
    ++printDialogCount;
    if (printDialogs.empty()) return nullptr;
    auto factory = std::move(printDialogs.front());
    printDialogs.pop_front();
    return factory(setup);
}

std::unique_ptr<platform::PrintDevice> FakeUi::DefaultPrintDevice(const platform::PrintSetup&) { return nullptr; }

bool FakeUi::PrintPreview(std::string_view title, const std::function<void(platform::PrintDevice&)>& render) {
    previewTitles.emplace_back(title);
    if (previewDevice != nullptr) render(*previewDevice);
    if (previews.empty()) return false;
    const bool print = previews.front();
    previews.pop_front();
    return print;
}

void FakeUi::Help(platform::HelpCommand command, std::string_view file, int topic) {
    static const char* kNames[] = {"contents", "index", "topic", "quit"};
    std::string call = kNames[static_cast<int>(command)];
    call += ' ';
    call += file;
    if (command == platform::HelpCommand::Topic) {
        call += ' ';
        call += std::to_string(topic);
    }
    helpCalls.push_back(std::move(call));
}

platform::ModelessDialogHost& FakeUi::MakeModeless(platform::Dialog& dialog) {
    if (platform::ModelessDialogHost* old = dialog.Modeless()) old->Release();
    modeless.push_back(std::make_unique<FakeDialogHost>(dialog, true));
    return *modeless.back();
}

FakeDialogHost* FakeUi::Modeless(std::string_view caption) const {
    for (auto it = modeless.rbegin(); it != modeless.rend(); ++it)
        if (!(*it)->Released() && (*it)->Caption() == caption) return it->get();
    return nullptr;
}

std::vector<std::string> FakeUi::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes) texts.push_back(b.text);
    return texts;
}

}  // namespace quorle::testing
