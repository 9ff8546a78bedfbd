#pragma once
// The base of every dialog of the system. A dialog is built from a dialog
// resource (its caption and controls); its own code reads and writes the
// controls by id through the host that shows it (the Qt host on screen, an
// in-memory host in tests).
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
};

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

class Dialog {
public:
    explicit Dialog(DialogResource resource) : resource_(std::move(resource)) {}
    virtual ~Dialog() = default;

    const DialogResource& Resource() const { return resource_; }
    DialogResource& Resource() { return resource_; }

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

private:
    DialogResource resource_;
};

}  // namespace quorle::platform
