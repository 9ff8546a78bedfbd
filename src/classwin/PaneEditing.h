#pragma once
// Editing through the panes: a left double-click changes the student, grade
// value or grade title under the mouse, a right click drops or transfers the
// student or deletes the grade for the whole class. Every change is written to
// the class file at once; every refusal is a message and changes nothing.
#include <optional>
#include <string>

#include "classwin/Panes.h"

namespace quorle {

class TDecoChild;

class TPaneEditor : public PaneEditing {
public:
    explicit TPaneEditor(TDecoChild& child) : child_(child) {}

    void NameDoubleClicked(const std::optional<TSquare>& hit) override;
    void NameRightClicked(const std::optional<TSquare>& hit) override;
    void GradeDoubleClicked(const std::optional<TSquare>& hit) override;
    void GradeRightClicked(const std::optional<TSquare>& hit) override;
    bool StoreGrade(int row, int category, int entry, float value) override;

    // The steps behind the clicks, on roster row `row` or grade entry
    // (category, entry). Each returns whether the class changed.
    bool ChangeStudent(int row);
    bool DropOrTransferStudent(int row);
    bool ChangeGradeValue(int row, int category, int entry);
    bool ChangeGradeTitle(int category, int entry);
    bool DeleteGradeSet(int category, int entry);

private:
    TDecoChild& child_;
};

// The transfer question of the panes and the Edit Student dialog.
std::string TransferQuestion(const TStudent& student);

}  // namespace quorle
