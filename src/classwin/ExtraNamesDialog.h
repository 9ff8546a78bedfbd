#pragma once
// Change Extra 1 or 2 Name: the names of the two categories the teacher names.
#include <string>

#include "platform/Dialog.h"

namespace quorle {

// At most 6 characters each.
class TExtraDialog : public platform::Dialog {
public:
    TExtraDialog(std::string& extra1, std::string& extra2);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    std::string& extra1_;
    std::string& extra2_;
};

}  // namespace quorle
