#include "classwin/EditCommands.h"

#include "classwin/ClassWindow.h"
#include "classwin/NewGrade.h"

namespace quorle {

void NewGradeCommand(TDecoChild& child) {
    ClassRecord& record = child.Record();
    if (!NewGrade(child.GetUi(), record)) return;
    record.modified = true;
    child.WriteNamedClass();
    child.Repaint();
}

}  // namespace quorle
