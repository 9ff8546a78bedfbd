#include "platform/qt/QtFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "platform/qt/QtArt.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtWindowHost.h"
#include "resources/Menus.h"

namespace quorle::qt {

// The client area of a class window: the panes are placed in it by hand.
class PaneContainer : public QWidget {
public:
    explicit PaneContainer(QWidget* parent) : QWidget(parent) {}
    platform::ChildWindow* child = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (child) child->Resized(platform::Size{width(), height()});
    }
};

class QtChildWindow : public QMdiSubWindow, public platform::ChildHost {
public:
    QtChildWindow(QtFrame& frame, platform::ChildWindow& child) : frame_(frame), child_(&child) {
        container_ = new PaneContainer(this);
        container_->child = &child;
        container_->setAutoFillBackground(true);
        setWidget(container_);
        setAttribute(Qt::WA_DeleteOnClose, false);
        setWindowIcon(QIcon(MakeAppIcon()));
    }

    void SetCaption(std::string_view caption) override { setWindowTitle(FromCp1252(caption)); }

    platform::WindowHost& AddPane(platform::Window& pane) override {
        QtFrame* frame = &frame_;
        auto* host = new QtWindowHost(pane, container_, true, [frame](platform::Key key) { frame->SendKey(key); });
        hosts_.push_back(host);
        host->show();
        return *host;
    }

    void PlacePane(platform::Window& pane, const platform::Rect& rect) override {
        for (QtWindowHost* host : hosts_)
            if (host->GetWindow() == &pane) host->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    }

    platform::Size ClientSize() const override { return platform::Size{container_->width(), container_->height()}; }
    void Show() override {
        show();
        frame_.MdiArea()->setActiveSubWindow(this);
    }
    void Enable(bool enabled) override { setEnabled(enabled); }
    bool IsEnabled() const override { return isEnabled(); }

    platform::ChildWindow* Child() const { return child_; }

    // A top-level window of its own: above the frame, gone with this window.
    QtTopWindow* AddTopWindow(platform::TopWindow& window, const platform::TopWindowAttributes& attributes) {
        auto* top = new QtTopWindow(window, attributes, this);
        top->setWindowIcon(windowIcon());
        topWindows_.push_back(top);
        return top;
    }

    // The class window is going: nothing calls into it any more, and the
    // windows it owns go with it.
    void Detach() {
        child_ = nullptr;
        container_->child = nullptr;
        for (QtWindowHost* host : hosts_) host->Detach();
        for (const QPointer<QtTopWindow>& top : topWindows_)
            if (top) top->OwnerGone();
        topWindows_.clear();
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (!child_ || !child_->CanClose()) return;
        // Leave this handler before the window goes.
        platform::ChildWindow* child = child_;
        QPointer<QtFrame> frame(&frame_);
        QTimer::singleShot(0, &frame_, [frame, child] {
            if (frame) frame->ChildAgreedToClose(*child);
        });
    }

private:
    QtFrame& frame_;
    platform::ChildWindow* child_;
    PaneContainer* container_ = nullptr;
    std::vector<QtWindowHost*> hosts_;
    std::vector<QPointer<QtTopWindow>> topWindows_;
};

QtFrame::QtFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Quorle");
    setWindowIcon(QIcon(MakeAppIcon()));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* window = dynamic_cast<QtChildWindow*>(sub); window && window->Child()) window->Child()->Activated();
    });
    BuildMenu();
    BuildControlBar();
    BuildAccelerators();
    statusBar()->showMessage(QString());
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    // The class windows are placed by the screen's size, so the frame takes the screen.
    setGeometry(screen);
}

QtFrame::~QtFrame() {
    for (auto& [child, window] : children_) window->Detach();
}

void QtFrame::BuildMenu() {
    std::function<void(QMenu*, const std::vector<resources::MenuItem>&)> fill =
        [&](QMenu* menu, const std::vector<resources::MenuItem>& items) {
            // The status bar follows the highlighted item, and empties when the menu goes.
            connect(menu, &QMenu::hovered, this,
                    [this](QAction* action) { statusBar()->showMessage(action->statusTip()); });
            connect(menu, &QMenu::aboutToHide, this, [this] { statusBar()->clearMessage(); });
            for (const auto& item : items) {
                switch (item.kind) {
                    case resources::MenuItem::Kind::Separator: menu->addSeparator(); break;
                    case resources::MenuItem::Kind::Popup: fill(menu->addMenu(FromCp1252(item.label)), item.items); break;
                    case resources::MenuItem::Kind::Command: {
                        QAction* action = menu->addAction(FromCp1252(item.label));
                        action->setStatusTip(FromCp1252(resources::HintString(item.id)));
                        action->setData(item.id);
                        const int id = item.id;
                        connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
                        actions_[id] = action;
                        break;
                    }
                }
            }
        };
    for (const auto& popup : resources::MenuResource(resources::kMainMenu)) {
        QMenu* menu = menuBar()->addMenu(FromCp1252(popup.label));
        fill(menu, popup.items);
    }
}

void QtFrame::BuildControlBar() {
    toolBar_ = addToolBar("Control bar");
    toolBar_->setObjectName("ControlBar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    QFont barFont = toolBar_->font();
    barFont.setPointSize(10);
    toolBar_->setFont(barFont);
    for (const auto& item : resources::ControlBar()) {
        if (item.bitmap == 0) {
            auto* gap = new QWidget(toolBar_);
            gap->setFixedWidth(item.separatorWidth);
            toolBar_->addWidget(gap);
            toolBar_->addSeparator();
            continue;
        }
        const int id = item.command;
        QString tip = FromCp1252(resources::CommandLabel(id));
        tip.remove('&');
        QAction* action = toolBar_->addAction(QIcon(MakeControlBarIcon(item.bitmap)), tip);
        action->setStatusTip(FromCp1252(resources::HintString(id)));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action)))
            button->setObjectName(QString("bar%1").arg(item.bitmap));
    }
}

void QtFrame::BuildAccelerators() {
    for (const auto& accel : resources::AcceleratorTable(resources::kMainAccelerators)) {
        QKeySequence keys;
        switch (accel.key) {
            case resources::AccelKey::F3: keys = QKeySequence(Qt::Key_F3); break;
            case resources::AccelKey::F4: keys = QKeySequence(Qt::Key_F4); break;
            case resources::AccelKey::F5: keys = QKeySequence(Qt::Key_F5); break;
            case resources::AccelKey::X: keys = QKeySequence(Qt::Key_X); break;
        }
        if (accel.alt) keys = QKeySequence(keys[0].key() | Qt::AltModifier);
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = accel.command;
        connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
        addAction(action);
    }
}

QAction* QtFrame::CommandAction(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void QtFrame::SendCommand(int id) {
    if (client_) client_->Command(id);
}

void QtFrame::SendKey(platform::Key key) {
    if (client_) client_->KeyDown(key);
}

platform::ChildHost& QtFrame::CreateChild(platform::ChildWindow& child, const platform::Rect& placement) {
    auto* window = new QtChildWindow(*this, child);
    mdi_->addSubWindow(window);
    window->setGeometry(placement.left, placement.top, placement.Width(), placement.Height());
    children_[&child] = window;
    return *window;
}

void QtFrame::DestroyChild(platform::ChildWindow& child) {
    const auto it = children_.find(&child);
    if (it == children_.end()) return;
    QtChildWindow* window = it->second;
    children_.erase(it);
    window->Detach();
    window->hide();
    mdi_->removeSubWindow(window);
    window->deleteLater();
    // The class window used last before it comes forward.
    const auto rest = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
    if (!rest.isEmpty() && !mdi_->currentSubWindow()) mdi_->setActiveSubWindow(rest.back());
}

void QtFrame::ChildAgreedToClose(platform::ChildWindow& child) {
    if (!children_.count(&child)) return;
    DestroyChild(child);
    if (client_) client_->ChildClosed(child);
}

platform::ChildWindow* QtFrame::ActiveChild() const {
    auto* window = dynamic_cast<QtChildWindow*>(mdi_->currentSubWindow());
    if (!window) window = dynamic_cast<QtChildWindow*>(mdi_->activeSubWindow());
    return window ? window->Child() : nullptr;
}

platform::TopWindowHost& QtFrame::CreateTopWindow(platform::TopWindow& window, platform::ChildWindow& owner,
                                                   const platform::TopWindowAttributes& attributes) {
    if (platform::TopWindowHost* old = window.TopHost()) old->Release();
    const auto it = children_.find(&owner);
    if (it != children_.end()) return *it->second->AddTopWindow(window, attributes);
    // No platform window for the owner: the window belongs to the frame.
    auto* top = new QtTopWindow(window, attributes, this);
    top->setWindowIcon(windowIcon());
    return *top;
}

std::vector<platform::ChildWindow*> QtFrame::Children() const {
    std::vector<platform::ChildWindow*> out;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* window = dynamic_cast<QtChildWindow*>(sub); window && window->Child()) out.push_back(window->Child());
    return out;
}

QMdiSubWindow* QtFrame::SubWindow(const platform::ChildWindow& child) const {
    const auto it = children_.find(&child);
    return it == children_.end() ? nullptr : it->second;
}

void QtFrame::ActivateChild(platform::ChildWindow& child) {
    if (QMdiSubWindow* sub = SubWindow(child)) mdi_->setActiveSubWindow(sub);
}

void QtFrame::Cascade() { mdi_->cascadeSubWindows(); }

void QtFrame::Tile() {
    // Horizontally: the class windows lie one above the other, full width; with
    // more than three they share the rows.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (sub->isVisible() && !sub->isMinimized()) windows << sub;
    const int n = static_cast<int>(windows.size());
    if (n == 0) return;
    int rows = n;
    if (n > 3) {
        rows = 1;
        while (rows * rows < n) ++rows;
    }
    const int columns = (n + rows - 1) / rows;
    const QRect area = mdi_->viewport()->rect();
    for (int i = 0; i < n; ++i) {
        const int row = i / columns;
        const int inRow = (row == rows - 1) ? n - row * columns : columns;
        const int column = i % columns;
        const int w = area.width() / inRow;
        const int h = area.height() / rows;
        QMdiSubWindow* sub = windows[i];
        if (sub->isMaximized()) sub->showNormal();
        sub->setGeometry(column * w, row * h, w, h);
    }
}

void QtFrame::SetStatusText(std::string_view text) { statusBar()->showMessage(FromCp1252(text)); }

platform::Size QtFrame::ScreenSize() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect r = s ? s->geometry() : QRect(0, 0, 1024, 768);
    return platform::Size{r.width(), r.height()};
}

void QtFrame::CloseFrame() {
    closeApproved_ = true;
    close();
}

void QtFrame::closeEvent(QCloseEvent* event) {
    if (!closeApproved_ && client_ && !client_->CanCloseFrame()) {
        event->ignore();
        return;
    }
    closeApproved_ = true;
    event->accept();
    // The program ends with its frame, whatever other window is still up.
    QCoreApplication::quit();
}

}  // namespace quorle::qt
