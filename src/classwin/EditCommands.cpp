#include "classwin/EditCommands.h"

#include <array>

#include "classwin/ClassWindow.h"
#include "classwin/NewGrade.h"

namespace quorle {

void NewGradeCommand(TDecoChild& child) {
    ClassRecord& record = child.Record();
    std::array<std::size_t, kCategoryCount> counts{};
    if (record.RowCount() > 0)
        for (int c = 0; c < kCategoryCount; ++c)
            counts[static_cast<std::size_t>(c)] = record.PossibleRow().scores[c].size();
    if (!NewGrade(child.GetUi(), record)) return;
    // The step is named by the new column's title.
    if (record.RowCount() > 0)
        for (int c = 0; c < kCategoryCount; ++c) {
            const TGradeList& list = record.PossibleRow().scores[c];
            if (list.size() > counts[static_cast<std::size_t>(c)])
                child.NameStep("New Grade " + list.back().title.Str());
        }
    record.modified = true;
    child.WriteNamedClass();
    child.Repaint();
}

}  // namespace quorle
