#include "classwin/ExtraNamesDialog.h"

#include "resources/ClassDialogs.h"

namespace quorle {

TExtraDialog::TExtraDialog(std::string& extra1, std::string& extra2)
    : platform::Dialog(resources::ExtraNamesDialogResource()), extra1_(extra1), extra2_(extra2) {}

void TExtraDialog::SetupWindow(platform::DialogHost& host) {
    host.SetText(resources::kIdExtra1Name, extra1_);
    host.SetText(resources::kIdExtra2Name, extra2_);
    host.SetFocus(resources::kIdExtra1Name);
}

bool TExtraDialog::CanClose(platform::DialogHost& host) {
    extra1_ = LimitedText(host, resources::kIdExtra1Name);
    extra2_ = LimitedText(host, resources::kIdExtra2Name);
    return true;
}

}  // namespace quorle
