#pragma once
// Window Display Options: which columns the class window shows.
#include <string>
#include <string_view>

#include "platform/Dialog.h"
#include "record/ClassRecord.h"

namespace quorle {

// The dialog over a working copy of the 22 display flags; the Extra names
// fill the labels of their rows.
class TOptionsDialog : public platform::Dialog {
public:
    TOptionsDialog(DisplayFlags& flags, std::string_view extra1, std::string_view extra2);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    DisplayFlags& flags_;
    std::string extra1_;
    std::string extra2_;
};

}  // namespace quorle
