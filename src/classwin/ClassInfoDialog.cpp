#include "classwin/ClassInfoDialog.h"

#include "resources/ClassDialogs.h"

namespace quorle {

TClassInfoDialog::TClassInfoDialog(ClassInfo& info)
    : platform::Dialog(resources::ClassInfoDialogResource()), info_(info) {}

void TClassInfoDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdCourseTitle, info_.course.View());
    host.SetText(resources::kIdInstructor, info_.instructor.View());
    host.SetText(resources::kIdPeriod, info_.period.View());
    host.SetFocus(resources::kIdCourseTitle);
}

bool TClassInfoDialog::CanClose(platform::DialogHost& host) {
    info_.course = LimitedText(host, resources::kIdCourseTitle);
    info_.instructor = LimitedText(host, resources::kIdInstructor);
    info_.period = LimitedText(host, resources::kIdPeriod);
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

}  // namespace quorle
