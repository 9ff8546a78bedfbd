#pragma once
// Class Information: the course title, instructor and period/time of a class.
#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"

namespace quorle {

// The dialog over a working copy: at most 29, 49 and 19 characters.
class TClassInfoDialog : public platform::Dialog {
public:
    explicit TClassInfoDialog(ClassInfo& info);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    ClassInfo& info_;
};

// Runs Class Information on the record: true (texts stored, class marked
// changed) on OK. Writes nothing.
bool EditClassInfo(platform::Ui& ui, ClassRecord& record);

}  // namespace quorle
