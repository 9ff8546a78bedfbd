#pragma once
// The program's pictures, drawn in code: the splash (bitmap 1), the control
// bar buttons (bitmaps 600 to 613) and the application icon.
#include <QPixmap>

namespace quorle::qt {

QPixmap MakeSplash();
// The picture of a control-bar bitmap id; a blank square for an unknown id.
QPixmap MakeControlBarIcon(int bitmap, int size = 40);
QPixmap MakeAppIcon();

// Shows the splash centred on the screen and holds it for the given time,
// doing nothing else meanwhile.
void ShowSplash(int milliseconds);

}  // namespace quorle::qt
