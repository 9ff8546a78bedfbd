#pragma once
// The program's pictures, drawn in code: the splash (bitmap 1) and the
// application icon. (The control-bar pictures come with the control bar.)
#include <QPixmap>

namespace quorle::qt {

QPixmap MakeSplash();
QPixmap MakeAppIcon();

// Shows the splash centred on the screen and holds it for the given time,
// doing nothing else meanwhile.
void ShowSplash(int milliseconds);

}  // namespace quorle::qt
