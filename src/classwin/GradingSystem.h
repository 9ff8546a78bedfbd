#pragma once
// Edit > Grading System: the Grading System dialog, then the weights (for a
// weighted class) and the letter limits, each checked before it is kept and
// written to its default file; and the reading of those defaults into a new
// class.
#include <array>
#include <string>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

// Points or Weighted, and plus and minus steps, over a working copy.
class TSystemDialog : public platform::Dialog {
public:
    explicit TSystemDialog(GradingSystem& working);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    GradingSystem& working_;
};

// The six weights; OK only when each is from 0 to 100 (WeightOutOfRange) and
// they fit the class (WeightsProblem).
class TWeightsDialog : public platform::Dialog {
public:
    TWeightsDialog(platform::Ui& ui, const ClassRecord& record, std::array<LimitText, 6>& weights);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    const ClassRecord& record_;
    std::array<LimitText, 6>& weights_;
};

// The four limits A to D; OK only when strictly descending.
class TNoPlusDialog : public platform::Dialog {
public:
    TNoPlusDialog(platform::Ui& ui, std::array<LimitText, 4>& limits);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    std::array<LimitText, 4>& limits_;
};

// The twelve limits A+ to D-; OK only when strictly descending.
class TPlusDialog : public platform::Dialog {
public:
    TPlusDialog(platform::Ui& ui, std::array<LimitText, 12>& limits);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    std::array<LimitText, 12>& limits_;
};

enum class GradingEdit {
    Unchanged,    // cancelled at the first dialog or at the weights
    WeightsOnly,  // the weights were kept, then the limits cancelled: the class is marked changed, not written
    Done,         // everything kept and the class written (or its write failure shown)
};

// The command on a class. Each kept part is written to its default file in
// programDirectory at once ("File cannot be found!" when that fails, and the
// command goes on); at the end the flags are kept, QUORLE.SYS and the class
// file written.
GradingEdit EditGradingSystem(platform::Ui& ui, ClassRecord& record, const std::string& programDirectory);

// A new class's grading system from QUORLE.SYS, .PLU, .WTS and .NPL, in that
// order; each file that cannot be read shows "File cannot be found!" and
// leaves its fields as they were.
void LoadGradingDefaults(platform::Ui& ui, ClassRecord& record, const std::string& programDirectory);

}  // namespace quorle
