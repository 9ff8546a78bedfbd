#pragma once
// The pictures of the control-bar buttons, bitmap resources 600 to 615.
#include "platform/Menu.h"

namespace quorle::resources {

// The picture of a control-bar bitmap; an empty picture for an unknown id.
const platform::Picture& ControlBarPicture(int bitmap);

}  // namespace quorle::resources
