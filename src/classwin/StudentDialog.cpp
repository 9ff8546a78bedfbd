#include "classwin/StudentDialog.h"

#include "platform/Text1252.h"
#include "record/ClassRecord.h"
#include "record/DecimalText.h"
#include "record/RosterFile.h"
#include "resources/RosterDialogs.h"

namespace quorle {
namespace {

// A name or ID is stored as single bytes: control characters and the five
// bytes Windows-1252 leaves without a character have no place in it.
bool Storable(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || platform::Cp1252ToCodePoint(byte) == 0xFFFD) return false;
    }
    return true;
}

std::string Unstorable(const char* what) {
    return std::string("The ") + what + " holds a character that cannot be stored in a class file!";
}

// A name of spaces alone is no name: it would stand blank in every list.
bool Blank(std::string_view name) { return name.find_first_not_of(' ') == std::string_view::npos; }

struct Problem {
    std::string message;
    int box = 0;  // the box at fault, where the teacher goes on typing
};

Problem FirstProblem(const StudentEntry& entry) {
    using namespace resources;
    if (Blank(entry.first)) return {kFirstNameMissing, kIdEntryFirstName};
    if (Blank(entry.last)) return {kLastNameMissing, kIdEntryLastName};
    if (TextToInt(entry.id) > kHighestId) return {kIdTooHigh, kIdEntryId};
    if (entry.id.size() > decltype(TStudent::id)::kMaxLength) return {kIdTooLong, kIdEntryId};
    if (!Storable(entry.first)) return {Unstorable("first name"), kIdEntryFirstName};
    if (!Storable(entry.last)) return {Unstorable("last name"), kIdEntryLastName};
    if (!Storable(entry.id)) return {Unstorable("ID"), kIdEntryId};
    return {};
}

}  // namespace

std::string StudentEntryProblem(const StudentEntry& entry) { return FirstProblem(entry).message; }

TStudentDialog::TStudentDialog(platform::Ui& ui, StudentEntry& entry)
    : platform::Dialog(resources::StudentDialogResource()), ui_(ui), entry_(entry) {}

void TStudentDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdEntryLastName, entry_.last);
    host.SetText(resources::kIdEntryFirstName, entry_.first);
    host.SetText(resources::kIdEntryId, entry_.id);
    host.SetFocus(resources::kIdEntryLastName);
}

bool TStudentDialog::CanClose(platform::DialogHost& host) {
    StudentEntry typed{host.Text(resources::kIdEntryLastName), host.Text(resources::kIdEntryFirstName),
                       host.Text(resources::kIdEntryId)};
    // The names' boxes take 14 characters, what their fields keep.
    if (typed.last.size() > decltype(TStudent::lastName)::kMaxLength)
        typed.last.resize(decltype(TStudent::lastName)::kMaxLength);
    if (typed.first.size() > decltype(TStudent::firstName)::kMaxLength)
        typed.first.resize(decltype(TStudent::firstName)::kMaxLength);
    const Problem problem = FirstProblem(typed);
    if (!problem.message.empty()) {
        ui_.MessageBox("Warning", problem.message, platform::Buttons::Ok, platform::Icon::Exclamation);
        host.SetFocus(problem.box);
        return false;
    }
    entry_ = typed;
    return true;
}

bool RunStudentDialog(platform::Ui& ui, StudentEntry& entry) {
    StudentEntry working = entry;
    TStudentDialog dialog(ui, working);
    if (!ui.RunModal(dialog)) return false;
    entry = working;
    return true;
}

}  // namespace quorle
