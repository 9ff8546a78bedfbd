#pragma once
// The generic dialog: lays any dialog resource out with Qt layouts and lets
// the dialog's own code read and write its controls by id. Modal (RunDialog)
// or modeless (QtModelessDialog).
#include <QDialog>
#include <map>
#include <utility>
#include <vector>

#include "platform/Dialog.h"

class QWidget;
class QButtonGroup;
class QAbstractButton;

namespace quorle::qt {

class QtDialogHost : public QDialog, public platform::ModelessDialogHost {
public:
    // modeless: the window of a modeless dialog (Ui::MakeModeless), attached
    // to the dialog until one of them goes.
    QtDialogHost(platform::Dialog& dialog, QWidget* parent, bool modeless = false);
    ~QtDialogHost() override;

    std::string Text(int id) const override;
    void SetText(int id, std::string_view text) override;
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool enabled) override;
    void SetFocus(int id) override;
    void SetListItems(int id, const std::vector<std::string>& items) override;
    int Selection(int id) const override;
    void SetSelection(int id, int index) override;
    void EndDialog(bool ok) override;
    // Modeless dialogs.
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    void Release() override;

    // Runs the dialog: SetupWindow, then the modal loop. True on OK.
    bool Run();
    // The widget of a control, for tests.
    QWidget* Control(int id) const;

    // OK was pressed: closes when the dialog agrees.
    void TryOk();
    // Ends it (hidden) as OK or Cancel and tells the dialog.
    void done(int result) override;

    // The dialog, or nullptr once it has let go of this window.
    platform::Dialog* GetDialog() const { return dialog_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    // No more calls into the dialog.
    void LetGo();

    platform::Dialog* dialog_;
    bool modeless_ = false;
    std::map<int, QWidget*> controls_;
    std::map<int, QButtonGroup*> radioGroups_;
    std::map<QObject*, QAbstractButton*> labelBoxes_;
    // Screen reader names: every control of the resource (by its place in it),
    // and each control named after another one's text, with that one.
    std::vector<QWidget*> built_;
    std::vector<std::pair<QWidget*, std::vector<QWidget*>>> namedBy_;
    void NameControls();
};

// Runs a dialog modally over the parent; true when it ended with OK.
bool RunDialog(platform::Dialog& dialog, QWidget* parent);

}  // namespace quorle::qt
