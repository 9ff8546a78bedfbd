#pragma once
// The look of the program's own controls on top of the desktop's style: where
// the style draws a control's edge too faint to make out (check boxes on the
// Fusion style measure under 2:1 against what they stand on), it is drawn
// again in a colour that stands out at least 3:1 from both.

#include <QColor>
#include <QPalette>
#include <QString>

class QStyle;

namespace quorle::qt {

// The program's style over the style of that name ("fusion"); the caller owns it.
QStyle* NewQuorleStyle(const QString& base);

// Puts the program's style over the application's style. Called once the
// application object is made; calling again does nothing.
void InstallQuorleStyle();

// The edge of a check box: the palette's text colour, lightened towards the
// box's fill no further than keeps 3:1 against the fill and the window.
QColor CheckBoxEdge(const QPalette& palette);

}  // namespace quorle::qt
