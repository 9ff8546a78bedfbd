#include "classwin/ClassCommands.h"

#include <filesystem>
#include <system_error>

#include "platform/Text1252.h"
#include "resources/ClassDialogs.h"

namespace quorle {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(path), ec);
}

void DeleteIfExists(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(path), ec);
}

// The text of a control, cut to its limit in the resource.
std::string Limited(const platform::Dialog& dialog, platform::DialogHost& host, int id) {
    std::string text = host.Text(id);
    if (const auto* c = dialog.Resource().Find(id); c && c->textLimit > 0 && text.size() > static_cast<std::size_t>(c->textLimit))
        text.resize(static_cast<std::size_t>(c->textLimit));
    return text;
}

}  // namespace

bool WriteClass(platform::Ui& ui, ClassRecord& record, ModifiedFlag flag) {
    if (!record.fileName.empty() && WriteClassFile(record, flag)) return true;
    ui.MessageBox("Warning", kFileNotFound, Buttons::Ok, Icon::Exclamation);
    return false;
}

bool SaveAsDialog(platform::Ui& ui, ClassRecord& record) {
    platform::FileDialogOptions options;
    options.title = "Save As";
    options.filter = kClassFileFilter;
    options.defaultExtension = kClassFileExtension;
    for (;;) {
        const auto chosen = ui.SaveFileName(options);
        if (!chosen || chosen->empty()) return false;
        // The class is written under the name with ".gdr", so that is the
        // file that would be overwritten.
        const std::string name = NormalizeClassFileName(*chosen);
        if (FileExists(name)) {
            const Answer a = ui.MessageBox("File exists", "File already exists.  Overwrite ?", Buttons::YesNoCancel,
                                           Icon::Question);
            if (a == Answer::No) continue;
            if (a == Answer::Cancel) return false;
        }
        record.fileName = name;
        return true;
    }
}

bool SaveClassAs(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged) {
    const std::string previous = NormalizeClassFileName(record.fileName);
    if (!SaveAsDialog(ui, record)) return false;
    if (nameChanged) nameChanged();
    if (!WriteClass(ui, record, ModifiedFlag::Clear)) return false;
    // A chart left beside the chosen name belonged to the class just
    // overwritten; it goes only once this class is safely written. This
    // class's own chart stays.
    if (record.fileName != previous) DeleteIfExists(ReplaceExtension(record.fileName, ".CHT"));
    return true;
}

bool ConfirmClose(platform::Ui& ui, ClassRecord& record, const std::function<void()>& nameChanged) {
    if (!record.modified) return true;
    std::string shown = "Untitled";
    if (!record.fileName.empty()) {
        const std::string normalized = NormalizeClassFileName(record.fileName);
        if (normalized != record.fileName) {
            record.fileName = normalized;
            if (nameChanged) nameChanged();
        }
        shown = platform::Utf8ToCp1252Lossy(ShownClassName(record.fileName));
    }
    const Answer a = ui.MessageBox("File has changed", shown + " has changed. Do you want to save changes ?",
                                   Buttons::YesNoCancel, Icon::Question);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) return true;
    if (record.fileName.empty()) return SaveClassAs(ui, record, nameChanged);
    // A failed write has shown its warning; the window stays open so that the
    // teacher can save elsewhere instead of losing the changes.
    return WriteClass(ui, record, ModifiedFlag::Clear);
}

std::string ClassCaption(const ClassRecord& record) {
    if (record.fileName.empty() && record.info.course.Empty() && record.info.period.Empty()) return "Untitled";
    const std::string file = record.fileName.empty() ? "Untitled" : platform::Utf8ToCp1252Lossy(record.fileName);
    return record.info.course.Str() + "       Period " + record.info.period.Str() + "  " + file;
}

// ------------------------------------------------------------ Class Information

TClassInfoDialog::TClassInfoDialog(ClassInfo& info)
    : platform::Dialog(resources::ClassInfoDialogResource()), info_(info) {}

void TClassInfoDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdCourseTitle, info_.course.View());
    host.SetText(resources::kIdInstructor, info_.instructor.View());
    host.SetText(resources::kIdPeriod, info_.period.View());
    host.SetFocus(resources::kIdCourseTitle);
}

bool TClassInfoDialog::CanClose(platform::DialogHost& host) {
    info_.course = Limited(*this, host, resources::kIdCourseTitle);
    info_.instructor = Limited(*this, host, resources::kIdInstructor);
    info_.period = Limited(*this, host, resources::kIdPeriod);
    return true;
}

bool EditClassInfo(platform::Ui& ui, ClassRecord& record) {
    ClassInfo working = record.info;
    TClassInfoDialog dialog(working);
    if (!ui.RunModal(dialog)) return false;
    record.info = working;
    record.modified = true;
    return true;
}

// ------------------------------------------------------ Window Display Options

TOptionsDialog::TOptionsDialog(DisplayFlags& flags, std::string_view extra1, std::string_view extra2)
    : platform::Dialog(resources::DisplayOptionsDialogResource()), flags_(flags), extra1_(extra1), extra2_(extra2) {}

void TOptionsDialog::SetupWindow(platform::DialogHost& host) {
    for (int i = 0; i < kDisplayFlagCount; ++i)
        host.SetChecked(resources::kIdFirstDisplayBox + i, flags_[static_cast<std::size_t>(i)] != 0);
    const struct {
        int id;
        const std::string& name;
    } labels[] = {{resources::kIdExtra1Label, extra1_},        {resources::kIdExtra2Label, extra2_},
                  {resources::kIdExtra1AverageLabel, extra1_}, {resources::kIdExtra2AverageLabel, extra2_},
                  {resources::kIdExtra1PointsLabel, extra1_},  {resources::kIdExtra2PointsLabel, extra2_}};
    for (const auto& label : labels) {
        const auto* c = Resource().Find(label.id);
        host.SetText(label.id, platform::FillLabel(c ? std::string_view(c->text) : std::string_view("%s"), label.name));
    }
}

bool TOptionsDialog::CanClose(platform::DialogHost& host) {
    for (int i = 0; i < kDisplayFlagCount; ++i)
        flags_[static_cast<std::size_t>(i)] = host.IsChecked(resources::kIdFirstDisplayBox + i) ? 1 : 0;
    return true;
}

// ----------------------------------------------------------------- Extra names

TExtraDialog::TExtraDialog(std::string& extra1, std::string& extra2)
    : platform::Dialog(resources::ExtraNamesDialogResource()), extra1_(extra1), extra2_(extra2) {}

void TExtraDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdExtra1Name, extra1_);
    host.SetText(resources::kIdExtra2Name, extra2_);
    host.SetFocus(resources::kIdExtra1Name);
}

bool TExtraDialog::CanClose(platform::DialogHost& host) {
    extra1_ = Limited(*this, host, resources::kIdExtra1Name);
    extra2_ = Limited(*this, host, resources::kIdExtra2Name);
    return true;
}

}  // namespace quorle
