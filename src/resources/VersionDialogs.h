#pragma once
// The Earlier Versions dialog of File > Earlier Versions...: the versions kept
// of the class, newest first, to open or restore one.
#include "platform/Dialog.h"

namespace quorle::resources {

inline constexpr int kEarlierVersionsDialogId = 3020;

// "Earlier versions of %s, newest first:", the class's file name filled in.
inline constexpr int kIdVersionsHeading = 101;
// The versions: "2026-12-07 19:40:12   added Quiz 5".
inline constexpr int kIdVersionList = 102;
// Open is the dialog's OK: Enter opens the chosen version.
inline constexpr int kIdOpenVersion = platform::kIdOk;
inline constexpr int kIdRestoreVersion = 104;

platform::DialogResource EarlierVersionsDialogResource();

}  // namespace quorle::resources
