#include "classwin/DisplayOptionsDialog.h"

#include "resources/ClassDialogs.h"

namespace quorle {

TOptionsDialog::TOptionsDialog(DisplayFlags& flags, std::string_view extra1, std::string_view extra2)
    : platform::Dialog(resources::DisplayOptionsDialogResource()), flags_(flags), extra1_(extra1), extra2_(extra2) {}

void TOptionsDialog::SetupWindow(platform::DialogHost& host) {
    for (int i = 0; i < kDisplayFlagCount; ++i)
        host.SetChecked(resources::kIdFirstDisplayBox + i, flags_[static_cast<std::size_t>(i)] != 0);
    const struct {
        int id;
        const std::string& name;
    } labels[] = {{resources::kIdExtra1Label, extra1_},        {resources::kIdExtra2Label, extra2_},
                  {resources::kIdExtra1AverageLabel, extra1_}, {resources::kIdExtra2AverageLabel, extra2_},
                  {resources::kIdExtra1PointsLabel, extra1_},  {resources::kIdExtra2PointsLabel, extra2_}};
    for (const auto& label : labels) {
        const auto* c = Resource().Find(label.id);
        host.SetText(label.id, platform::FillLabel(c ? std::string_view(c->text) : std::string_view("%s"), label.name));
    }
}

bool TOptionsDialog::CanClose(platform::DialogHost& host) {
    for (int i = 0; i < kDisplayFlagCount; ++i)
        flags_[static_cast<std::size_t>(i)] = host.IsChecked(resources::kIdFirstDisplayBox + i) ? 1 : 0;
    return true;
}

}  // namespace quorle
