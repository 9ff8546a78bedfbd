#include "classwin/NewGrade.h"

#include <vector>

#include "grading/Compute.h"
#include "resources/EditDialogs.h"

namespace quorle {

namespace res = resources;
using platform::DialogHost;

namespace {

constexpr std::string_view kOmitText = "N/A";

}  // namespace

std::string GradeBoxText(float value) {
    if (IsOmitted(value)) return std::string(kOmitText);
    // The panes' figure without its padding, and without the decimals that
    // add nothing: 7.50 is "7.5", 8.00 is "8", .25 is "0.25".
    std::string text = FormatScore(value);
    text.erase(0, text.find_first_not_of(' '));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text.empty() || text.front() == '.') text.insert(0, "0");
    return text;
}

std::string CategoryWord(const ClassRecord& record, int category) {
    static const char* kWords[] = {"test", "quiz", "hw", "lab"};
    if (category >= 0 && category < 4) return kWords[category];
    return record.ExtraName(category);
}

std::string NotWeightedMessage(const ClassRecord& record, int category) {
    static const char* kNames[] = {"tests", "quizzes", "homework", "labs"};
    if (category >= 0 && category < 4)
        return std::string("You have not weighted ") + kNames[category] + " in your grading system. ";
    return "You have not weighted " + record.ExtraName(category) + " in your grading system.";
}

// ---------------------------------------------------------------- value entry

void TEntryEditGrade::Shown(DialogHost& host, float* value) {
    value_ = value;
    shownValue_ = *value;
    // As the box holds it, whatever it had to leave out.
    shownText_ = host.Text(editId_);
    lastText_ = shownText_;
}

void TEntryEditGrade::Show(DialogHost& host, float* value) {
    const bool omitted = IsOmitted(*value);
    host.SetText(editId_, GradeBoxText(*value));
    host.SetChecked(omitId_, omitted);
    host.Enable(editId_, !omitted);
    host.Enable(omitId_, true);
    Shown(host, value);
}

void TEntryEditGrade::ShowNothing(DialogHost& host) {
    value_ = nullptr;
    host.SetText(editId_, "");
    host.SetChecked(omitId_, false);
    host.Enable(editId_, false);
    host.Enable(omitId_, false);
}

void TEntryEditGrade::ShowEmpty(DialogHost& host, float* value) {
    host.SetText(editId_, "");
    host.SetChecked(omitId_, false);
    host.Enable(editId_, true);
    host.Enable(omitId_, true);
    Shown(host, value);
}

void TEntryEditGrade::KeyReleased(DialogHost& host) { Follow(host, false); }

void TEntryEditGrade::Follow(DialogHost& host, bool always) {
    if (!value_) return;
    std::string text = host.Text(editId_);
    if (text == lastText_ && !always) return;
    lastText_ = text;
    if (text.size() > static_cast<std::size_t>(res::kValueLimit)) text.resize(res::kValueLimit);
    if (text.find(kOmitText) != std::string::npos) {
        *value_ = kOmitMarker;
        host.Enable(editId_, false);
        host.SetChecked(omitId_, true);
        return;
    }
    *value_ = lastText_ == shownText_ ? shownValue_ : static_cast<float>(TextToDouble(text));
    // Focusing a box that has it already would select its text, and the next
    // key would replace what was typed.
    if (!host.IsEnabled(editId_)) {
        host.Enable(editId_, true);
        host.SetFocus(editId_);
    }
    host.SetChecked(omitId_, false);
}

void TGradeCheck::Clicked(DialogHost& host) {
    if (!entry_.value_) return;
    if (host.IsChecked(entry_.omitId_)) {
        host.SetText(entry_.editId_, kOmitText);
        entry_.Follow(host, true);
    } else {
        host.SetText(entry_.editId_, "");
        host.Enable(entry_.editId_, true);
        host.SetFocus(entry_.editId_);
        entry_.Follow(host, true);
    }
}

// ----------------------------------------------------------------- Grade Type

TGradeTypeDialog::TGradeTypeDialog(std::array<int, kCategoryCount>& choice, std::string_view extra1,
                                   std::string_view extra2)
    : platform::Dialog(res::GradeTypeDialogResource()), choice_(choice), extra1_(extra1), extra2_(extra2) {}

void TGradeTypeDialog::SetupWindow(DialogHost& host) {
    host.SetText(res::kIdExtra1TypeLabel, platform::FillLabel("%s", extra1_));
    host.SetText(res::kIdExtra2TypeLabel, platform::FillLabel("%s", extra2_));
    for (int c = 0; c < kCategoryCount; ++c)
        host.SetChecked(res::kIdFirstGradeType + c, choice_[static_cast<std::size_t>(c)] == 1);
}

bool TGradeTypeDialog::CanClose(DialogHost& host) {
    for (int c = 0; c < kCategoryCount; ++c)
        choice_[static_cast<std::size_t>(c)] = host.IsChecked(res::kIdFirstGradeType + c) ? 1 : 0;
    return true;
}

// ---------------------------------------------------------------- Grade Title

TTitleDialog::TTitleDialog(std::string& title, std::string_view word)
    : platform::Dialog(res::TitleDialogResource()), title_(title) {
    for (auto& c : Resource().controls)
        if (c.id == res::kIdTitlePrompt) c.text = "Title of this " + std::string(word) + " ?";
}

void TTitleDialog::SetupWindow(DialogHost& host) {
    host.SetText(res::kIdTitle, title_);
    host.SetFocus(res::kIdTitle);
}

bool TTitleDialog::CanClose(DialogHost& host) {
    title_ = host.Text(res::kIdTitle);
    if (title_.size() > static_cast<std::size_t>(res::kTitleLimit)) title_.resize(res::kTitleLimit);
    return true;
}

// ---------------------------------------------------------------- Grade Value

TGradeValueDialog::TGradeValueDialog(TGrades& entry, std::string_view title, std::string_view first,
                                     std::string_view last, bool newGrade)
    : platform::Dialog(res::GradeValueDialogResource()),
      entry_(entry),
      working_(entry.value),
      title_(title),
      name_(std::string(first) + " " + std::string(last)),
      newGrade_(newGrade),
      edit_(res::kIdValue, res::kIdOmit),
      omit_(edit_) {
    for (auto& c : Resource().controls) {
        if (c.id == res::kIdValueLine1) c.text = "Grade in " + title_ + " for:";
        if (c.id == res::kIdValueLine2) c.text = name_;
    }
}

void TGradeValueDialog::SetupWindow(DialogHost& host) {
    host.SetText(res::kIdValueLine1, "Grade in " + title_ + " for:");
    host.SetText(res::kIdValueLine2, name_);
    working_ = entry_.value;
    if (newGrade_)
        edit_.ShowEmpty(host, &working_);
    else
        edit_.Show(host, &working_);
    host.SetFocus(host.IsEnabled(res::kIdValue) ? res::kIdValue : res::kIdOmit);
}

bool TGradeValueDialog::CanClose(DialogHost&) {
    entry_.value = working_;
    return true;
}

void TGradeValueDialog::KeyUp(DialogHost& host, int id) {
    if (id == res::kIdValue) edit_.KeyReleased(host);
}

void TGradeValueDialog::Clicked(DialogHost& host, int id) {
    if (id == res::kIdOmit) omit_.Clicked(host);
}

bool EditGradeValue(platform::Ui& ui, const TStudent& row, TGrades& entry) {
    TGradeValueDialog dialog(entry, entry.title.View(), row.firstName.View(), row.lastName.View(), false);
    return ui.RunModal(dialog);
}

// ------------------------------------------------------------------ New Grade

int AskGradeType(platform::Ui& ui, const ClassRecord& record) {
    std::array<int, kCategoryCount> choice{1, 0, 0, 0, 0, 0};
    for (;;) {
        TGradeTypeDialog type(choice, record.extra1Name.View(), record.extra2Name.View());
        if (!ui.RunModal(type)) return -1;
        int category = kTests;
        for (int c = 0; c < kCategoryCount; ++c)
            if (choice[static_cast<std::size_t>(c)] == 1) {
                category = c;
                break;
            }
        // Under the Weighted method a category weighted 0 would never count.
        // Its own weight decides, whatever the Extra categories are called.
        if (record.grading.weightedFlag == 1 &&
            TextToInt(record.grading.weights[static_cast<std::size_t>(category)].View()) == 0) {
            ui.MessageBox("Warning", NotWeightedMessage(record, category), platform::Buttons::Ok,
                          platform::Icon::Exclamation);
            continue;
        }
        return category;
    }
}

bool NewGrade(platform::Ui& ui, ClassRecord& record) {
    if (record.RowCount() == 0) return false;
    const int category = AskGradeType(ui, record);
    if (category < 0) return false;

    std::string title;
    TTitleDialog titleDialog(title, CategoryWord(record, category));
    if (!ui.RunModal(titleDialog)) return false;

    // One entry per row, kept aside until the last row is confirmed: the grade
    // goes to every row or to none.
    std::vector<TGrades> entries;
    entries.reserve(record.roster.size());
    for (const TStudent& row : record.roster) {
        TGrades entry;
        entry.value = 0.0f;
        entry.title = title;
        TGradeValueDialog dialog(entry, entry.title.View(), row.firstName.View(), row.lastName.View(), true);
        if (!ui.RunModal(dialog)) return false;
        entries.push_back(entry);
    }
    for (std::size_t j = 0; j < entries.size(); ++j) record.roster[j].scores[category].push_back(entries[j]);
    return true;
}

}  // namespace quorle
