#pragma once
// The platform services the system asks for: message boxes, file dialogs,
// modal dialogs, the print dialog, help, the clock and the program directory.
// Texts shown are Windows-1252 bytes; paths are the file system's own.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorle::platform {

class Dialog;
class ModelessDialogHost;
class PrintDevice;
struct PrintSetup;

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Exclamation, Information, Question, Stop };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogOptions {
    std::string title;
    std::string filter;            // "Class Files (*.gdr)|*.gdr|"
    std::string defaultExtension;  // "gdr"
    bool fileMustExist = false;
    bool pathMustExist = false;
};

enum class HelpCommand { Contents, Index, Topic, Quit };

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

class Ui {
public:
    virtual ~Ui() = default;

    virtual Answer MessageBox(std::string_view caption, std::string_view text, Buttons buttons, Icon icon) = 0;
    virtual std::optional<std::string> OpenFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialogOptions& options) = 0;

    // Runs a dialog modally; true when it ended with OK.
    virtual bool RunModal(Dialog& dialog) = 0;
    // Makes the window of a modeless dialog, hidden (see Dialog.h); it lives
    // until the dialog object goes. Making it again for the same dialog
    // replaces the old window.
    virtual ModelessDialogHost& MakeModeless(Dialog& dialog) = 0;

    // The platform print dialog over the setup (range, copies, collate). Gives
    // the chosen device, or nothing when cancelled or failed (setup.error then
    // tells which).
    virtual std::unique_ptr<PrintDevice> PrintDialog(PrintSetup& setup) = 0;
    // A device from the setup without asking (the default printer).
    virtual std::unique_ptr<PrintDevice> DefaultPrintDevice(const PrintSetup& setup) = 0;
    // The print preview of a document: the pages `render` draws onto the
    // preview's device (one document, StartDoc to EndDoc; asked again whenever
    // the preview needs the pages anew), with zoom and page by page. True when
    // the user chose Print; false when the preview was closed.
    virtual bool PrintPreview(std::string_view title, const std::function<void(PrintDevice&)>& render) = 0;

    // The help viewer: contents or keyword index of a help file, a pop-up
    // topic by number, or quit.
    virtual void Help(HelpCommand command, std::string_view file, int topic = 0) = 0;

    virtual Date Today() = 0;
    virtual std::int64_t Now() = 0;  // seconds since the epoch
    virtual std::string ProgramDirectory() = 0;
    virtual void SetWaitCursor(bool on) = 0;

    // The desktop's clipboard, as text. Both ways the text is Windows-1252,
    // lines ending in "\n" or "\r\n" as the program that copied wrote them;
    // the platform converts from and to the clipboard's Unicode. A character
    // the clipboard holds that has no Windows-1252 byte comes as '?'. A
    // platform without a clipboard reads nothing and keeps nothing.
    virtual std::string ClipboardText() { return {}; }
    virtual void SetClipboardText(std::string_view /*text*/) {}
};

}  // namespace quorle::platform
