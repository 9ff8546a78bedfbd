#pragma once
// The Ui of a run with nobody in front of it (the command-line tool, benchmarks,
// fuzzing): no dialogs, no print dialog, no help; a question gets No, any other
// box OK. Today and the program directory come from the clock and the environment
// (SOURCE_DATE_EPOCH, when set, stands in for the clock).
#include "platform/Print.h"
#include "platform/Ui.h"

namespace quorle {

class HeadlessUi : public platform::Ui {
public:
    platform::Answer MessageBox(std::string_view caption, std::string_view text, platform::Buttons buttons,
                                platform::Icon icon) override;
    std::optional<std::string> OpenFileName(const platform::FileDialogOptions&) override { return std::nullopt; }
    std::optional<std::string> SaveFileName(const platform::FileDialogOptions&) override { return std::nullopt; }
    bool RunModal(platform::Dialog&) override { return false; }
    // A window nobody sees: it stays hidden and its controls stay empty.
    platform::ModelessDialogHost& MakeModeless(platform::Dialog& dialog) override;
    std::unique_ptr<platform::PrintDevice> PrintDialog(platform::PrintSetup&) override { return nullptr; }
    std::unique_ptr<platform::PrintDevice> DefaultPrintDevice(const platform::PrintSetup&) override { return nullptr; }
    bool PrintPreview(std::string_view, const std::function<void(platform::PrintDevice&)>&) override { return false; }
    void Help(platform::HelpCommand, std::string_view, int) override {}
    platform::Date Today() override;
    std::int64_t Now() override;
    std::string ProgramDirectory() override;
    void SetWaitCursor(bool) override {}
};

}  // namespace quorle
