#include "classwin/EarlierVersions.h"

#include "classwin/ClassWindow.h"
#include "grading/Compute.h"
#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/ClassFile.h"
#include "record/VersionStore.h"
#include "resources/VersionDialogs.h"

namespace quorle {

namespace r = resources;

TEarlierVersionsDialog::TEarlierVersionsDialog(std::string shownName, std::vector<std::string> lines)
    : Dialog(r::EarlierVersionsDialogResource()), shownName_(std::move(shownName)), lines_(std::move(lines)) {}

void TEarlierVersionsDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(r::kIdVersionsHeading, platform::FillLabel(Resource().Find(r::kIdVersionsHeading)->text, shownName_));
    host.SetListItems(r::kIdVersionList, lines_);
    host.SetSelection(r::kIdVersionList, lines_.empty() ? -1 : 0);
    EnableButtons(host);
    host.SetFocus(r::kIdVersionList);
}

void TEarlierVersionsDialog::EnableButtons(platform::DialogHost& host) const {
    const bool chosen = host.Selection(r::kIdVersionList) >= 0;
    host.Enable(r::kIdOpenVersion, chosen);
    host.Enable(r::kIdRestoreVersion, chosen);
}

void TEarlierVersionsDialog::SelectionChanged(platform::DialogHost& host, int id) {
    if (id == r::kIdVersionList) EnableButtons(host);
}

bool TEarlierVersionsDialog::CanClose(platform::DialogHost& host) {
    if (choice_ == Choice::Restore) return true;
    const int line = host.Selection(r::kIdVersionList);
    if (line < 0 || line >= static_cast<int>(lines_.size())) return false;
    choice_ = Choice::Open;
    line_ = line;
    return true;
}

void TEarlierVersionsDialog::Clicked(platform::DialogHost& host, int id) {
    if (id != r::kIdRestoreVersion) return;
    const int line = host.Selection(r::kIdVersionList);
    if (line < 0 || line >= static_cast<int>(lines_.size())) return;
    choice_ = Choice::Restore;
    line_ = line;
    host.EndDialog(true);
}

std::string VersionCaption(const ClassRecord& version, const std::string& shownName, const std::string& when) {
    return version.info.course.Str() + "       Period " + version.info.period.Str() + "  Version of " + shownName +
           " saved " + when;
}

void EarlierVersionsCommand(TDecoChild& window,
                            const std::function<void(ClassRecord version, const std::string& caption,
                                                     const std::string& shownName)>& openVersion) {
    platform::Ui& ui = window.GetUi();
    const std::string fileName = window.Record().fileName;
    const std::string shown = fileName.empty() ? "Untitled" : platform::Utf8ToCp1252Lossy(ShownClassName(fileName));
    const std::vector<StoredVersion> versions =
        fileName.empty() ? std::vector<StoredVersion>{} : ListVersions(NormalizeClassFileName(fileName));
    if (versions.empty()) {
        ui.MessageBox("Information",
                      "No earlier versions of " + shown + " are kept yet. A version is kept each time the class is saved.",
                      platform::Buttons::Ok, platform::Icon::Information);
        return;
    }
    const auto grade = [](float value) { return platform::TrimPadding(FormatGrade(value)); };
    const std::vector<std::string> summaries = VersionSummaries(versions, SummaryStyle{grade, false});
    std::vector<std::string> lines;
    for (std::size_t i = versions.size(); i-- > 0;)
        lines.push_back(LocalTimeText(versions[i].time) + "   " + summaries[i]);
    TEarlierVersionsDialog dialog(shown, lines);
    if (!ui.RunModal(dialog) || dialog.Chosen() == TEarlierVersionsDialog::Choice::None) return;

    const StoredVersion& version = versions[versions.size() - 1 - static_cast<std::size_t>(dialog.ChosenLine())];
    const std::string when = LocalTimeText(version.time);
    FileProblem problem;
    const auto bytes = ReadVersion(version, &problem);
    if (!bytes) {
        ui.MessageBox("Warning", FileMessage(kFileNotFound, problem), platform::Buttons::Ok,
                      platform::Icon::Exclamation);
        return;
    }
    if (dialog.Chosen() == TEarlierVersionsDialog::Choice::Restore) {
        const platform::Answer answer =
            ui.MessageBox("Earlier Versions",
                          "Do you want to restore the version of " + shown + " saved " + when +
                              " ?\nThe class as it is now is kept as an earlier version.",
                          platform::Buttons::YesNo, platform::Icon::Question);
        if (answer == platform::Answer::Yes) window.ReplaceClassContent(*bytes, "Restore Earlier Version");
        return;
    }
    ClassRecord record;
    try {
        record = ParseClassFile(*bytes);
    } catch (const ClassFileError& error) {
        ui.MessageBox("Error!", FileMessage(error.Message(), FileProblem{"A damaged version", version.path}),
                      platform::Buttons::Ok, platform::Icon::Stop);
        return;
    }
    record.fileName.clear();
    record.modified = false;
    const std::string caption = VersionCaption(record, shown, when);
    openVersion(std::move(record), caption, shown);
}

}  // namespace quorle
