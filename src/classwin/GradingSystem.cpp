#include "classwin/GradingSystem.h"

#include "classwin/ClassSaving.h"
#include "grading/GradingDefaults.h"
#include "record/ClassFile.h"
#include "resources/GradingDialogs.h"

namespace quorle {

namespace res = resources;

namespace {

void Warn(platform::Ui& ui, std::string_view text) {
    ui.MessageBox("Warning", text, platform::Buttons::Ok, platform::Icon::Exclamation);
}

void WriteDefault(platform::Ui& ui, const std::string& programDirectory, GradingDefault which,
                  const GradingSystem& grading) {
    if (!WriteGradingDefault(programDirectory, which, grading)) Warn(ui, kFileNotFound);
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
    for (const GradingDefault which : kGradingDefaultsReadOrder)
        if (!ReadGradingDefault(programDirectory, which, record.grading)) Warn(ui, kFileNotFound);
}

}  // namespace quorle
