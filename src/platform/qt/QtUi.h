#pragma once
// The platform services over Qt: message boxes, file dialogs, the generic
// dialog host, the print dialog, the help viewer, the clock and the program
// directory.
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/Ui.h"
#include "platform/qt/QtHelp.h"

class QObject;
class QWidget;

namespace quorle::qt {



// "Class Files (*.gdr)|*.gdr|" to Qt's "Class Files (*.gdr)" filters.
QStringList ConvertFilter(const std::string& filter);

class QtUi : public platform::Ui {
public:
    // parent: the window boxes and dialogs belong to (the frame), may be null.
    explicit QtUi(QWidget* parent = nullptr);
    ~QtUi() override;


    platform::Answer MessageBox(std::string_view caption, std::string_view text, platform::Buttons buttons,
                                platform::Icon icon) override;
    std::optional<std::string> OpenFileName(const platform::FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const platform::FileDialogOptions& options) override;
    bool RunModal(platform::Dialog& dialog) override;
    platform::ModelessDialogHost& MakeModeless(platform::Dialog& dialog) override;
    std::unique_ptr<platform::PrintDevice> PrintDialog(platform::PrintSetup& setup) override;
    std::unique_ptr<platform::PrintDevice> DefaultPrintDevice(const platform::PrintSetup& setup) override;
    bool PrintPreview(std::string_view title, const std::function<void(platform::PrintDevice&)>& render) override;
    void Help(platform::HelpCommand command, std::string_view file, int topic = 0) override;
    platform::Date Today() override;
    std::int64_t Now() override;
    std::string ProgramDirectory() override;
    void SetWaitCursor(bool on) override;
    std::string ClipboardText() override;
    void SetClipboardText(std::string_view text) override;

    // The help files the help commands may name, the program's own first.
    void SetHelpBooks(std::vector<platform::HelpBook> books) { books_ = std::move(books); }
    // What F1 opens; from then on F1 anywhere in the program asks for help
    // on the active window or dialog (ContextHelp).
    void SetHelpTopics(platform::HelpTopics topics);
    // Help on a window: a dialog's Help button, else its topic in a pop-up;
    // a chart or grid window's topic, the class window's, or the frame's in
    // the help viewer; a message box or file dialog asks for its owner's.
    void ContextHelp(QWidget* window);
    HelpViewer* Viewer() const { return viewer_; }

private:
    std::optional<std::string> FileName(const platform::FileDialogOptions& options, bool save);
    HelpViewer& EnsureViewer();
    QWidget* Owner() const;

    QPointer<QWidget> parent_;
    QPointer<HelpViewer> viewer_;
    int waitDepth_ = 0;
    QString lastDirectory_;
    std::vector<platform::HelpBook> books_;
    platform::HelpTopics topics_;
    std::unique_ptr<QObject> f1_;
};

}  // namespace quorle::qt
