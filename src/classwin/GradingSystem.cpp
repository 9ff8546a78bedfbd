#include "classwin/GradingSystem.h"

#include "classwin/ClassSaving.h"
#include "grading/GradingDefaults.h"
#include "record/ClassFile.h"
#include "record/DecimalText.h"
#include "resources/GradingDialogs.h"

namespace quorle {

namespace res = resources;

namespace {

void Warn(platform::Ui& ui, std::string_view text) {
    ui.MessageBox("Warning", text, platform::Buttons::Ok, platform::Icon::Exclamation);
}

void WriteDefault(platform::Ui& ui, const std::string& programDirectory, GradingDefault which,
                  const GradingSystem& grading) {
    FileProblem problem;
    if (!WriteGradingDefault(programDirectory, which, grading, &problem)) Warn(ui, FileMessage(kFileNotFound, problem));
}

template <std::size_t N>
void ShowFields(platform::DialogHost& host, int firstId, const std::array<LimitText, N>& fields) {
    for (std::size_t i = 0; i < N; ++i) host.SetText(firstId + static_cast<int>(i), fields[i].View());
    host.SetFocus(firstId);
}

template <std::size_t N>
std::array<LimitText, N> TypedFields(platform::DialogHost& host, int firstId) {
    std::array<LimitText, N> typed;
    for (std::size_t i = 0; i < N; ++i) typed[i] = host.Text(firstId + static_cast<int>(i));
    return typed;
}

// A weight is a percentage from 0 to 100 written with digits and at most one
// point, blanks around it left aside; an empty box weighs 0.
bool WeightInRange(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return true;
    text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    if (text.find_first_not_of("0123456789.") != std::string_view::npos) return false;
    if (text.find_first_of("0123456789") == std::string_view::npos || text.find('.') != text.rfind('.')) return false;
    return TextToDouble(text) <= 100.0;
}

// The message for the first weight, in category order, that is not from 0 to
// 100, naming its category (put in *category); empty when every one is.
std::string WeightOutOfRange(const ClassRecord& record, const std::array<LimitText, 6>& weights, int* category) {
    static const char* const kNamed[] = {"tests", "quizzes", "homework", "labs"};
    for (int c = 0; c < kCategoryCount; ++c) {
        if (WeightInRange(weights[static_cast<std::size_t>(c)].View())) continue;
        *category = c;
        return "The weight of " + (c < kExtra1 ? std::string(kNamed[c]) : record.ExtraName(c)) +
               " must be from 0 to 100 percent!!";
    }
    return {};
}

template <std::size_t N>
bool TakeLimits(platform::Ui& ui, platform::DialogHost& host, std::array<LimitText, N>& limits) {
    const auto typed = TypedFields<N>(host, res::kIdFirstLimit);
    if (!LimitsDescending(typed)) {
        Warn(ui, kLimitsNotDescending);
        return false;
    }
    limits = typed;
    return true;
}

}  // namespace

// -------------------------------------------------------------- Grading System

TSystemDialog::TSystemDialog(GradingSystem& working)
    : platform::Dialog(res::SystemDialogResource()), working_(working) {}

void TSystemDialog::SetupWindow(platform::DialogHost& host) {
    // A class that does not grade by points grades by weights: that is the
    // button shown, even for a file whose flags are both off.
    host.SetChecked(res::kIdPoints, working_.pointsFlag == 1);
    host.SetChecked(res::kIdWeighted, working_.pointsFlag != 1);
    host.SetChecked(res::kIdPlusMinus, working_.plusMinusFlag == 1);
}

bool TSystemDialog::CanClose(platform::DialogHost& host) {
    working_.pointsFlag = host.IsChecked(res::kIdPoints) ? 1 : 0;
    working_.weightedFlag = host.IsChecked(res::kIdWeighted) ? 1 : 0;
    working_.plusMinusFlag = host.IsChecked(res::kIdPlusMinus) ? 1 : 0;
    return true;
}

// ----------------------------------------------------------------- Weights

TWeightsDialog::TWeightsDialog(platform::Ui& ui, const ClassRecord& record, std::array<LimitText, 6>& weights)
    : platform::Dialog(res::WeightsDialogResource()), ui_(ui), record_(record), weights_(weights) {}

void TWeightsDialog::SetupWindow(platform::DialogHost& host) {
    for (const auto& [id, name] : {std::pair{res::kIdExtra1WeightLabel, record_.extra1Name.View()},
                                   std::pair{res::kIdExtra2WeightLabel, record_.extra2Name.View()}}) {
        const auto* c = Resource().Find(id);
        host.SetText(id, platform::FillLabel(c ? std::string_view(c->text) : std::string_view("%s :"), name));
    }
    ShowFields(host, res::kIdFirstWeight, weights_);
}

bool TWeightsDialog::CanClose(platform::DialogHost& host) {
    const auto typed = TypedFields<6>(host, res::kIdFirstWeight);
    // Weights outside 0 to 100 can add up to 100 and still make nonsense of
    // every average; the box at fault gets the keyboard.
    int category = 0;
    if (const std::string problem = WeightOutOfRange(record_, typed, &category); !problem.empty()) {
        Warn(ui_, problem);
        host.SetFocus(res::kIdFirstWeight + category);
        return false;
    }
    if (const std::string problem = WeightsProblem(record_, typed); !problem.empty()) {
        Warn(ui_, problem);
        return false;
    }
    weights_ = typed;
    return true;
}

// ----------------------------------------------------------------- Limits

TNoPlusDialog::TNoPlusDialog(platform::Ui& ui, std::array<LimitText, 4>& limits)
    : platform::Dialog(res::NoPlusDialogResource()), ui_(ui), limits_(limits) {}

void TNoPlusDialog::SetupWindow(platform::DialogHost& host) { ShowFields(host, res::kIdFirstLimit, limits_); }
bool TNoPlusDialog::CanClose(platform::DialogHost& host) { return TakeLimits(ui_, host, limits_); }

TPlusDialog::TPlusDialog(platform::Ui& ui, std::array<LimitText, 12>& limits)
    : platform::Dialog(res::PlusDialogResource()), ui_(ui), limits_(limits) {}

void TPlusDialog::SetupWindow(platform::DialogHost& host) { ShowFields(host, res::kIdFirstLimit, limits_); }
bool TPlusDialog::CanClose(platform::DialogHost& host) { return TakeLimits(ui_, host, limits_); }

// ----------------------------------------------------------------- Command

GradingEdit EditGradingSystem(platform::Ui& ui, ClassRecord& record, const std::string& programDirectory) {
    GradingSystem working = record.grading;
    TSystemDialog system(working);
    if (!ui.RunModal(system)) return GradingEdit::Unchanged;

    GradingEdit kept = GradingEdit::Unchanged;
    if (working.weightedFlag == 1) {
        TWeightsDialog weights(ui, record, working.weights);
        if (!ui.RunModal(weights)) return GradingEdit::Unchanged;
        record.grading.weights = working.weights;
        WriteDefault(ui, programDirectory, GradingDefault::Weights, record.grading);
        kept = GradingEdit::WeightsOnly;
    }

    const auto limitsCancelled = [&] {
        // The weights are kept but not yet in the class file: the class
        // says so when it is closed.
        if (kept == GradingEdit::WeightsOnly) record.modified = true;
        return kept;
    };
    if (working.plusMinusFlag != 1) {
        TNoPlusDialog limits(ui, working.limits);
        if (!ui.RunModal(limits)) return limitsCancelled();
        record.grading.limits = working.limits;
        WriteDefault(ui, programDirectory, GradingDefault::NoPlusLimits, record.grading);
    } else {
        TPlusDialog limits(ui, working.plusLimits);
        if (!ui.RunModal(limits)) return limitsCancelled();
        record.grading.plusLimits = working.plusLimits;
        WriteDefault(ui, programDirectory, GradingDefault::PlusLimits, record.grading);
    }

    record.grading.pointsFlag = working.pointsFlag;
    record.grading.weightedFlag = working.weightedFlag;
    record.grading.plusMinusFlag = working.plusMinusFlag;
    WriteDefault(ui, programDirectory, GradingDefault::System, record.grading);
    record.modified = true;
    WriteClass(ui, record, ModifiedFlag::Clear);
    return GradingEdit::Done;
}

void LoadGradingDefaults(platform::Ui& ui, ClassRecord& record, const std::string& programDirectory) {
    for (const GradingDefault which : kGradingDefaultsReadOrder) {
        FileProblem problem;
        if (!ReadGradingDefault(programDirectory, which, record.grading, &problem))
            Warn(ui, FileMessage(kFileNotFound, problem));
    }
}

}  // namespace quorle
