#pragma once
// The base of every dialog of the system. A dialog is built from a dialog
// resource (its caption and controls); its own code reads and writes the
// controls by id through the host that shows it (the Qt host on screen, an
// in-memory host in tests).
//
// Modal dialogs run through Ui::RunModal. A modeless dialog stays open while
// the user works in other windows (the seat number prompt):
//
//   ui.MakeModeless(prompt_);            // once: made hidden, kept until ~Dialog
//   prompt_.Modeless()->Show();          // SetupWindow, then shown in front
//   // OK: CanClose(host) decides; false keeps it open (ask for the next
//   //     student), true hides it, then Ended(host, true).
//   // Cancel, Escape or its close box: hidden, then Ended(host, false).
//   prompt_.Modeless()->Hide();          // from the code, without Ended
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorle::platform {

// A label's "%s" marker replaced by a text (never used as a format string).
std::string FillLabel(std::string_view label, std::string_view text);

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

enum class ControlKind { Static, Edit, CheckBox, RadioButton, PushButton, GroupBox, ComboBox, ListBox };

enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleDigitsOnly = 1u << 0,   // an edit box that takes digits only
    kStyleDefault = 1u << 1,      // the default push button
    kStyleMultiline = 1u << 2,    // a multi-line edit box
    kStyleReadOnly = 1u << 3,
    kStyleBorder = 1u << 4,
    kStyleFixedPitch = 1u << 5,   // a fixed-pitch font of 10 points
    // An edit box for a number of points: digits and at most one decimal
    // point, with at most two digits after it ("8.5", "17.25").
    kStylePoints = 1u << 6,
};

// What an edit box of this style says when it refuses a keystroke that would
// make its text this (single-byte) text: the tooltip naming what it takes, or
// empty when the text is one it takes. Only digits-only and points boxes
// refuse anything here.
std::string_view EditRefusal(unsigned style, std::string_view text);
// A character typed into an edit box of this style as the box takes it: in a
// box for a number of points a comma is the decimal point ("8,5" is 8.5).
char TypedChar(unsigned style, char c);

// One control. Controls are laid on a grid of rows and columns; a control whose
// group is the id of a group box stands inside that box, on the box's own grid.
// Radio buttons are exclusive within their group.
struct ControlResource {
    int id = -1;  // -1: a static text nobody addresses
    ControlKind kind = ControlKind::Static;
    std::string text;  // label or initial text
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    int textLimit = 0;  // edit boxes: the most characters taken; 0 = no limit
    int group = 0;
    unsigned style = kStyleNone;
    // Multi-line edit boxes: as wide as this many characters of their font, so
    // that they wrap there; list boxes: at least that wide (0: as wide as the
    // layout makes them).
    int widthChars = 0;
    // What a screen reader calls a control that has no text or label of its
    // own (the boxes of a grid: "Column 2, place 5"); empty: see NamingControls.
    std::string name = {};
};

struct DialogResource {
    int id = 0;
    std::string caption;
    std::vector<ControlResource> controls;

    const ControlResource* Find(int controlId) const {
        for (const auto& c : controls)
            if (c.id == controlId) return &c;
        return nullptr;
    }
};

// The controls whose texts, joined by a space, name control `index` for a
// screen reader; none: the dialog's caption names it. A control with a text
// of its own (a button, a check box, a static, a group box) names itself. A
// check box or radio button without text is named by the static right beside
// it (same row, next column). An edit box, drop-down or list is named by the
// statics right before it in the template, in its group (a label of two lines
// is read whole); failing that, by the group box it sits in.
std::vector<int> NamingControls(const DialogResource& dialog, std::size_t index);

// The check box the arrow keys move to from check box `index`: the nearest
// one in its group in that direction on the grid (dRow -1 up, 1 down; dColumn
// -1 left, 1 right), in the same column or row; -1 when there is none.
int GridNeighbour(const DialogResource& dialog, std::size_t index, int dRow, int dColumn);

// A label as a screen reader says it: mnemonic marks gone ("&&" is one '&')
// and the colon and spaces at its end ("&Last Name:" reads "Last Name").
std::string SpokenLabel(std::string_view label);

class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, std::string_view text) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual void SetFocus(int id) = 0;
    virtual void SetListItems(int id, const std::vector<std::string>& items) = 0;
    virtual int Selection(int id) const = 0;  // -1: none
    virtual void SetSelection(int id, int index) = 0;
    // Ends the dialog from a handler, as OK (after CanClose agrees) or Cancel.
    virtual void EndDialog(bool ok) = 0;
};

// The platform's side of a modeless dialog.
class ModelessDialogHost : public DialogHost {
public:
    // Shows the dialog in front of the other windows, with the keyboard focus.
    // Coming from hidden, the dialog's SetupWindow runs first.
    virtual void Show() = 0;
    // Hides it (no Ended); its controls keep their state.
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // The dialog object is going: its window goes with it and nothing calls
    // into the object any more. (Called by ~Dialog.)
    virtual void Release() = 0;
};

class Dialog {
public:
    explicit Dialog(DialogResource resource) : resource_(std::move(resource)) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() {
        if (modeless_) modeless_->Release();
    }

    const DialogResource& Resource() const { return resource_; }
    DialogResource& Resource() { return resource_; }

    // The text of a control, cut to the control's limit in the resource.
    std::string LimitedText(const DialogHost& host, int id) const;

    // Fills the controls when the dialog opens.
    virtual void SetupWindow(DialogHost&) {}
    // OK was pressed: check the entries and take them. False keeps the dialog open.
    virtual bool CanClose(DialogHost&) { return true; }
    // A push button (other than OK and Cancel), check box or radio button was clicked.
    virtual void Clicked(DialogHost&, int) {}
    // A key was released in an edit box.
    virtual void KeyUp(DialogHost&, int) {}
    // The selection of a list changed.
    virtual void SelectionChanged(DialogHost&, int) {}
    // The dialog has ended and is no longer shown: with OK (after CanClose
    // agreed) or Cancel. Modal and modeless dialogs alike.
    virtual void Ended(DialogHost&, bool /*ok*/) {}

    // The modeless window made for this dialog by Ui::MakeModeless, or nullptr.
    ModelessDialogHost* Modeless() const { return modeless_; }
    // Set by the platform when it makes or drops the modeless window.
    void AttachModeless(ModelessDialogHost* host) { modeless_ = host; }

private:
    DialogResource resource_;
    ModelessDialogHost* modeless_ = nullptr;
};

}  // namespace quorle::platform
