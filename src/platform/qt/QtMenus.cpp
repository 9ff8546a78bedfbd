#include "platform/qt/QtMenus.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QWidget>
#include <algorithm>

#include "platform/qt/QtCanvas.h"

namespace quorle::qt {

namespace {

void FillMenu(QMenu* menu, const std::vector<platform::MenuItem>& items, QStatusBar* status,
              const std::function<void(int)>& command, std::map<int, QAction*>& actions) {
    if (status) {
        QObject::connect(menu, &QMenu::hovered, status,
                         [status](QAction* action) { status->showMessage(action->statusTip()); });
        QObject::connect(menu, &QMenu::aboutToHide, status, [status] { status->clearMessage(); });
    }
    for (const auto& item : items) {
        switch (item.kind) {
            case platform::MenuItem::Kind::Separator: menu->addSeparator(); break;
            case platform::MenuItem::Kind::Popup:
                FillMenu(menu->addMenu(FromCp1252(item.label)), item.items, status, command, actions);
                break;
            case platform::MenuItem::Kind::Command: {
                QAction* action = menu->addAction(FromCp1252(item.label));
                action->setStatusTip(FromCp1252(item.hint));
                action->setData(item.id);
                const int id = item.id;
                QObject::connect(action, &QAction::triggered, menu, [command, id] { command(id); });
                actions[id] = action;
                break;
            }
        }
    }
}

}  // namespace

void FillMenuBar(QMenuBar* bar, const platform::Menu& menu, QStatusBar* status,
                 const std::function<void(int)>& command, std::map<int, QAction*>& actions) {
    for (const auto& popup : menu) {
        if (popup.kind == platform::MenuItem::Kind::Popup) {
            FillMenu(bar->addMenu(FromCp1252(popup.label)), popup.items, status, command, actions);
        } else if (popup.kind == platform::MenuItem::Kind::Command) {
            // A command straight on the bar.
            QAction* action = bar->addAction(FromCp1252(popup.label));
            action->setStatusTip(FromCp1252(popup.hint));
            action->setData(popup.id);
            const int id = popup.id;
            QObject::connect(action, &QAction::triggered, bar, [command, id] { command(id); });
            actions[id] = action;
        }
    }
}

QKeySequence AcceleratorKeys(const platform::Accelerator& accelerator) {
    return QKeySequence(QString::fromStdString(accelerator.keys), QKeySequence::PortableText);
}

std::multimap<int, QAction*> AddAccelerators(QWidget* window, const std::vector<platform::Accelerator>& accelerators,
                                             const std::function<void(int)>& command) {
    std::multimap<int, QAction*> made;
    for (const auto& accelerator : accelerators) {
        const QKeySequence keys = AcceleratorKeys(accelerator);
        if (keys.isEmpty()) continue;
        auto* action = new QAction(window);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = accelerator.command;
        QObject::connect(action, &QAction::triggered, window, [command, id] { command(id); });
        window->addAction(action);
        made.emplace(id, action);
    }
    return made;
}

QPixmap PicturePixmap(const platform::Picture& picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    const int w = picture.Width();
    const int h = picture.Height();
    if (w <= 0 || h <= 0 || size <= 0) return pixmap;
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < h; ++y) {
        const std::string& row = picture.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < w && x < static_cast<int>(row.size()); ++x) {
            const char c = row[static_cast<std::size_t>(x)];
            const auto it = std::find_if(picture.palette.begin(), picture.palette.end(),
                                         [c](const auto& entry) { return entry.first == c; });
            if (it != picture.palette.end()) image.setPixel(x, y, qRgb(it->second.r, it->second.g, it->second.b));
        }
    }
    // Whole pixels of the picture where the size allows, so it stays sharp.
    const int longest = std::max(w, h);
    const int scale = size / longest;
    const QSize drawn = scale >= 1 ? QSize(w * scale, h * scale) : QSize(w * size / longest, h * size / longest);
    QPainter painter(&pixmap);
    painter.drawImage(QRect(QPoint((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn), image);
    return pixmap;
}

}  // namespace quorle::qt
