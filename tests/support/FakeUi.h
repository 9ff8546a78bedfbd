#pragma once
// A Ui that answers from a script and records every box it shows, and an
// in-memory dialog host where a test types, clicks and presses OK or Cancel.
// Modal dialogs are worked by scripts queued in FakeUi::dialogs; a modeless
// dialog stays where the test can reach it (FakeUi::Modeless) and is worked
// whenever the test likes, between other steps of the program.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Print.h"
#include "platform/Ui.h"

namespace quorle::testing {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

struct ShownBox {
    std::string caption;
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

struct FileDialogCall {
    bool save = false;
    platform::FileDialogOptions options;
};

class FakeDialogHost : public platform::ModelessDialogHost {
public:
    // modeless: the window of a modeless dialog, attached to the dialog until
    // one of them goes; it starts hidden.
    explicit FakeDialogHost(platform::Dialog& dialog, bool modeless = false);
    ~FakeDialogHost() override;

    std::string Text(int id) const override;
    void SetText(int id, std::string_view text) override;
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool enabled) override;
    void SetFocus(int id) override { focus_ = id; }
    void SetListItems(int id, const std::vector<std::string>& items) override;
    int Selection(int id) const override;
    void SetSelection(int id, int index) override;
    void EndDialog(bool ok) override;
    // Modeless dialogs: Show runs SetupWindow when it was hidden.
    void Show() override;
    void Hide() override { visible_ = false; }
    bool IsVisible() const override { return visible_; }
    void Release() override;

    // What a person does; each throws std::logic_error when the dialog is
    // hidden or gone (nobody could). Typing replaces the text (cut at the control's text
    // limit, each character the box's style refuses left out and its tooltip
    // kept in refusals) and releases a key.
    void Type(int id, std::string_view text);
    // Keystrokes at the end of a box's text, each released in turn: a
    // character is added as Type adds it, '\b' takes the last one away.
    void Keys(int id, std::string_view keys);
    // A key that changes no text (End, Tab, Shift) released in a box.
    void ReleaseKey(int id);
    // The tooltips of the keystrokes the boxes refused, in order.
    std::vector<std::string> refusals;
    // Clicks a check box (toggles), a radio button (checks it and unchecks its
    // group) or a push button; OK and Cancel end the dialog.
    void Click(int id);
    void Select(int id, int index);
    // OK: true when the dialog agreed to close (a modeless one is then hidden).
    bool PressOk();
    void PressCancel();

    int Focus() const { return focus_; }
    // Ended since it was (last) shown, and how.
    bool Ended() const { return ended_; }
    bool Result() const { return result_; }
    const std::vector<std::string>& ListItems(int id) const;
    platform::Dialog& GetDialog() { return *dialog_; }
    const std::string& Caption() const { return caption_; }
    // Its dialog object went (modeless).
    bool Released() const { return dialog_ == nullptr; }
    int showCount = 0;

private:
    struct Control {
        std::string text;
        bool checked = false;
        bool enabled = true;
        std::vector<std::string> items;
        int selection = -1;
    };
    Control& At(int id);
    const Control& At(int id) const;
    // The text with one more character, when the box takes it.
    bool Add(int id, std::string& text, char c);
    platform::Dialog& Live(const char* action) const;
    friend class FakeUi;

    platform::Dialog* dialog_;
    std::string caption_;
    bool modeless_ = false;
    bool visible_ = false;
    std::map<int, Control> controls_;
    int focus_ = 0;
    bool ended_ = false;
    bool result_ = false;
};

// A scripted person working a dialog: act on the host, then PressOk or PressCancel.
using DialogScript = std::function<void(FakeDialogHost&)>;

class FakeUi : public platform::Ui {
public:
    // Scripts, consumed in order. A box without a scripted answer answers the
    // first button (OK or Yes); a dialog without a script is cancelled; a file
    // dialog without a script is cancelled.
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<DialogScript> dialogs;
    // The print dialog: a factory for the device it hands over (nullptr: cancel).
    std::deque<std::function<std::unique_ptr<platform::PrintDevice>(platform::PrintSetup&)>> printDialogs;
    // The print preview: whether the person chooses Print (true) or closes it;
    // without an answer it is closed. The pages are drawn onto previewDevice
    // when the test gives one.
    std::deque<bool> previews;
    platform::PrintDevice* previewDevice = nullptr;

    // What happened.
    std::vector<ShownBox> boxes;
    std::vector<FileDialogCall> fileDialogs;
    std::vector<std::string> dialogCaptions;
    std::vector<std::string> helpCalls;
    int printDialogCount = 0;
    std::vector<std::string> previewTitles;

    platform::Date today{1997, 3, 7};
    std::int64_t now = 857700000;
    std::string programDirectory = ".";

    Answer MessageBox(std::string_view caption, std::string_view text, Buttons buttons, Icon icon) override;
    std::optional<std::string> OpenFileName(const platform::FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const platform::FileDialogOptions& options) override;
    bool RunModal(platform::Dialog& dialog) override;
    platform::ModelessDialogHost& MakeModeless(platform::Dialog& dialog) override;
    std::unique_ptr<platform::PrintDevice> PrintDialog(platform::PrintSetup& setup) override;
    std::unique_ptr<platform::PrintDevice> DefaultPrintDevice(const platform::PrintSetup& setup) override;
    bool PrintPreview(std::string_view title, const std::function<void(platform::PrintDevice&)>& render) override;
    void Help(platform::HelpCommand command, std::string_view file, int topic) override;
    platform::Date Today() override { return today; }
    std::int64_t Now() override { return now; }
    std::string ProgramDirectory() override { return programDirectory; }
    void SetWaitCursor(bool) override {}
    // The clipboard: what a test put there, or what the program copied.
    std::string clipboard;
    std::string ClipboardText() override { return clipboard; }
    void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }

    // The texts of the boxes shown so far.
    std::vector<std::string> BoxTexts() const;

    // The modeless dialog with this caption whose dialog object is still
    // there (the last made), or nullptr.
    FakeDialogHost* Modeless(std::string_view caption) const;
    // Every modeless dialog window made, in order (released ones included).
    std::vector<std::unique_ptr<FakeDialogHost>> modeless;
};

}  // namespace quorle::testing
