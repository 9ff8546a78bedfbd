#include "platform/qt/QtMenus.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "platform/qt/QtAccessibleLeaf.h"
#include "platform/qt/QtCanvas.h"

namespace quorle::qt {

namespace {

constexpr const char* kNameProperty = "quorleSpokenName";
constexpr const char* kKeysProperty = "quorleKeys";

// A menu item whose label carries its key ("Open...F3"): a screen reader
// names it without the key ("Open...") and is given the key as the item's
// shortcut, while the menu shows the label as it is.
class QtAccessibleMenuItem : public QtAccessibleLeaf, public QAccessibleActionInterface {
public:
    explicit QtAccessibleMenuItem(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && Owner(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QWidget* owner = Owner();
        return owner && owner->window() ? owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Owner()); }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override {
        if (!action_) return {};
        if (t == QAccessible::Name) return action_->property(kNameProperty).toString();
        if (t == QAccessible::Accelerator) return Keys();
        return {};
    }
    QRect rect() const override {
        QMenu* menu = Owner();
        if (!menu || !action_) return {};
        return menu->actionGeometry(action_).translated(menu->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        QMenu* menu = Owner();
        if (!menu || !action_) {
            state.invalid = true;
            return state;
        }
        if (!menu->isVisible() || !action_->isVisible()) state.invisible = true;
        state.focusable = true;
        if (menu->activeAction() == action_) state.focused = true;
        if (!action_->isEnabled()) state.disabled = true;
        if (action_->isCheckable()) state.checkable = true;
        if (action_->isChecked()) state.checked = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // QAccessibleActionInterface
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (action_ && action_->isEnabled() && name == pressAction()) action_->trigger();
    }
    // As the desktop's readers take it: "<mnemonic>;<full path>;<shortcut>".
    QStringList keyBindingsForAction(const QString&) const override {
        if (!action_) return {};
        const QString mnemonic = QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
        return {mnemonic + ";;" + Keys()};
    }

private:
    QMenu* Owner() const {
        if (!action_) return nullptr;
        for (QObject* object : action_->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(object)) return menu;
        return nullptr;
    }
    QString Keys() const { return action_ ? action_->property(kKeysProperty).toString() : QString(); }

    QPointer<QAction> action_;
};

QAccessibleInterface* MenuItemFactory(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (!action || !action->property(kKeysProperty).isValid() || action->menu()) return nullptr;
    return new QtAccessibleMenuItem(action);
}

// Gives the window's menu items that have keys the name and shortcut a
// screen reader reads: the key its label ends with, else its first key.
void NameMenuKeys(QWidget* window, const std::vector<platform::Accelerator>& accelerators) {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(MenuItemFactory);
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->menu() || action->isSeparator() || !action->data().isValid()) continue;
            const int id = action->data().toInt();
            const std::string label = ToCp1252(action->text());
            std::optional<std::pair<std::string, std::string>> chosen;
            for (const auto& accelerator : accelerators) {
                if (accelerator.command != id || AcceleratorKeys(accelerator).isEmpty()) continue;
                bool inLabel = false;
                std::string name = platform::MenuItemName(label, accelerator.keys, &inLabel);
                if (inLabel || !chosen) chosen = std::make_pair(std::move(name), accelerator.keys);
                if (inLabel) break;
            }
            if (!chosen) continue;
            action->setProperty(kNameProperty, FromCp1252(chosen->first));
            action->setProperty(kKeysProperty,
                                AcceleratorKeys(platform::Accelerator{chosen->second, id}).toString(QKeySequence::NativeText));
        }
    }
}

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
    NameMenuKeys(window, accelerators);
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
