#pragma once
// Menus, accelerators and pictures handed to the platform as data, made into
// Qt menus, shortcuts and pixmaps.
#include <QKeySequence>
#include <QPixmap>
#include <functional>
#include <map>
#include <vector>

#include "platform/Menu.h"

class QAction;
class QMenuBar;
class QStatusBar;
class QWidget;

namespace quorle::qt {

// Fills a menu bar. Each command becomes an action with its id as data and its
// hint as status tip; choosing it calls command(id). While a menu is open the
// status bar shows the hint of the highlighted item, and empties when it
// closes. The actions are entered in actions by id.
void FillMenuBar(QMenuBar* bar, const platform::Menu& menu, QStatusBar* status,
                 const std::function<void(int)>& command, std::map<int, QAction*>& actions);

// The key sequence of an accelerator ("F3", "Alt+X"); empty when unreadable.
QKeySequence AcceleratorKeys(const platform::Accelerator& accelerator);

// Shortcuts on a window: each accelerator calls command(id) while the window
// (or a widget in it) has the focus. Gives the actions made, by command id.
std::multimap<int, QAction*> AddAccelerators(QWidget* window, const std::vector<platform::Accelerator>& accelerators,
                     const std::function<void(int)>& command);

// A picture drawn at size x size pixels (each of its pixels a square block,
// the picture centred); transparent where the picture is.
QPixmap PicturePixmap(const platform::Picture& picture, int size);

}  // namespace quorle::qt
