#include "platform/qt/QtFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "platform/qt/QtArt.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtTopWindow.h"
#include "platform/qt/QtWindowHost.h"

namespace quorle::qt {

// The client area of a class window: the panes are placed in it by hand.
class PaneContainer : public QWidget {
public:
    explicit PaneContainer(QWidget* parent) : QWidget(parent) {}
    platform::ChildWindow* child = nullptr;

    // A class window's natural size: six eighths of the screen each way, as
    // it is first placed (the window has no layout to say so).
    QSize sizeHint() const override {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect r = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
        return QSize(6 * (r.width() / 8), 6 * (r.height() / 8));
    }
    QSize minimumSizeHint() const override { return QSize(240, 120); }

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
        // The frame's own keys close the active class (Ctrl+W, Ctrl+F4): the
        // window's menu keeps its Close item without the keys.
        if (QMenu* menu = systemMenu())
            for (QAction* action : menu->actions())
                if (!action->shortcuts().isEmpty()) action->setShortcuts({});
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
    platform::Rect Placement() const override {
        const QRect r = geometry();
        return platform::Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    void Show() override {
        show();
        frame_.MdiArea()->setActiveSubWindow(this);
    }
    // Disabled while it prints: the keyboard would move on to another class
    // window, and the area would make that one active. The keyboard is taken
    // back here first, and given back with the active window when enabled.
    void Enable(bool enabled) override {
        // (The current window, not the active one: a grid or chart window of
        // this class may be the window the teacher printed from.)
        if (!enabled && isEnabled()) {
            wasActive_ = frame_.MdiArea()->currentSubWindow() == this;
            QWidget* focus = window()->focusWidget();
            keyboard_ = focus && isAncestorOf(focus) ? focus : nullptr;
            if (keyboard_) keyboard_->clearFocus();
        }
        setEnabled(enabled);
        if (enabled && wasActive_) {
            wasActive_ = false;
            frame_.MdiArea()->setActiveSubWindow(this);
            if (keyboard_) keyboard_->setFocus(Qt::OtherFocusReason);
        }
    }
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
        // A close that comes while the child is being asked, or after it
        // agreed and before the window is gone, asks nothing again.
        if (!child_ || asking_ || closing_) return;
        asking_ = true;
        const bool agreed = child_ && child_->CanClose();
        asking_ = false;
        if (!agreed || !child_) return;
        closing_ = true;
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
    bool wasActive_ = false;        // active when it was disabled
    QPointer<QWidget> keyboard_;    // and which of its panes had the keyboard
    bool asking_ = false;
    bool closing_ = false;
};

namespace {

// A class window that fits the area keeps fitting it when the area shrinks:
// the window manager takes its title bar off a frame that filled the screen,
// which at a large scale is enough to hide a window's bottom scroll bar.
class KeepChildrenInArea : public QObject {
public:
    explicit KeepChildrenInArea(QMdiArea* area) : QObject(area), area_(area) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Resize) return false;
        const auto* resize = static_cast<QResizeEvent*>(event);
        const QSize was = resize->oldSize(), now = resize->size();
        if (!was.isValid() || (now.width() >= was.width() && now.height() >= was.height())) return false;
        for (QMdiSubWindow* sub : area_->subWindowList()) {
            if (sub->isMaximized() || sub->isMinimized() || !QRect(QPoint(0, 0), was).contains(sub->geometry()))
                continue;
            QRect g = sub->geometry();
            g.setRight(std::max(g.left() + 240, std::min(g.right(), now.width() - 1)));
            g.setBottom(std::max(g.top() + 160, std::min(g.bottom(), now.height() - 1)));
            if (g != sub->geometry()) sub->setGeometry(g);
        }
        return false;
    }

private:
    QMdiArea* area_;
};

}  // namespace

QtFrame::QtFrame(const platform::FrameLayout& layout, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Quorle");
    setWindowIcon(QIcon(MakeAppIcon()));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);
    mdi_->viewport()->installEventFilter(new KeepChildrenInArea(mdi_));
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* window = dynamic_cast<QtChildWindow*>(sub); window && window->Child()) {
            window->Child()->Activated();
            if (client_) client_->ChildActivated(*window->Child());
        }
    });
    FillMenuBar(menuBar(), layout.menu, statusBar(), [this](int id) { SendCommand(id); }, actions_);
    // The lists in the menus (the Window menu's class windows) are brought up to date as a menu opens.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, [this] {
            if (client_) client_->MenuOpening();
        });
    setAcceptDrops(true);
    for (const auto& [id, action] : actions_) commandActions_.emplace(id, action);
    BuildControlBar(layout.controlBar);
    commandActions_.merge(AddAccelerators(this, layout.accelerators, [this](int id) { SendCommand(id); }));
    statusBar()->showMessage(QString());
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    // The class windows are placed by the screen's size, so the frame takes the screen.
    setGeometry(screen);
}

QtFrame::~QtFrame() {
    for (auto& [child, window] : children_) window->Detach();
}

void QtFrame::BuildControlBar(const std::vector<platform::ControlBarItem>& items) {
    toolBar_ = addToolBar("Control bar");
    toolBar_->setObjectName("ControlBar");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    QFont barFont = toolBar_->font();
    barFont.setPointSize(10);
    toolBar_->setFont(barFont);
    for (const auto& item : items) {
        if (item.command == 0) {
            auto* gap = new QWidget(toolBar_);
            gap->setFixedWidth(item.separatorWidth);
            toolBar_->addWidget(gap);
            toolBar_->addSeparator();
            continue;
        }
        const int id = item.command;
        // Sharp on screens of any density: the picture drawn at twice the size.
        QAction* action = toolBar_->addAction(QIcon(PicturePixmap(item.picture, 40)), FromCp1252(item.tip));
        action->setToolTip(FromCp1252(item.tip));
        action->setStatusTip(FromCp1252(item.hint));
        // A screen reader names the button by its command, as the tip does,
        // and tells what it does as the status bar would.
        action->setData(id);
        commandActions_.emplace(id, action);
        connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action))) {
            button->setObjectName(QString("command%1").arg(id));
            button->setAccessibleName(FromCp1252(item.tip));
            button->setAccessibleDescription(FromCp1252(item.hint));
        }
    }
    // The button that shows the buttons a narrow window has no room for.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More commands"));
}

QAction* QtFrame::CommandAction(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void QtFrame::EnableCommand(int id, bool enabled) {
    const auto [first, last] = commandActions_.equal_range(id);
    for (auto it = first; it != last; ++it) it->second->setEnabled(enabled);
}

void QtFrame::SetMenuList(int after, std::vector<platform::MenuItem> items) {
    QAction* anchor = CommandAction(after);
    QMenu* menu = nullptr;
    if (anchor)
        for (QObject* owner : anchor->associatedObjects())
            if ((menu = qobject_cast<QMenu*>(owner))) break;
    if (!menu) return;
    auto& list = menuLists_[after];
    // An action may be the one whose command is running now: it goes later.
    for (QAction* old : list) {
        menu->removeAction(old);
        old->deleteLater();
    }
    list.clear();
    const QList<QAction*> present = menu->actions();
    const qsizetype at = present.indexOf(anchor);
    QAction* before = at + 1 < present.size() ? present[at + 1] : nullptr;
    for (const auto& item : items) {
        auto* action = new QAction(menu);
        if (item.kind == platform::MenuItem::Kind::Separator) {
            action->setSeparator(true);
        } else if (item.kind == platform::MenuItem::Kind::Command) {
            action->setText(FromCp1252(item.label));
            action->setStatusTip(FromCp1252(item.hint));
        // A screen reader names the button by its command, as the tip does,
        // and tells what it does as the status bar would.
            action->setData(item.id);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
        } else {
            delete action;
            continue;
        }
        menu->insertAction(before, action);
        list.push_back(action);
    }
}

std::vector<QAction*> QtFrame::MenuList(int after) const {
    const auto it = menuLists_.find(after);
    return it == menuLists_.end() ? std::vector<QAction*>() : it->second;
}

std::vector<std::string> QtFrame::DroppedClassFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(".gdr", Qt::CaseInsensitive))
            files.push_back(QFile::encodeName(path).toStdString());
    }
    return files;
}

void QtFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedClassFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void QtFrame::dropEvent(QDropEvent* event) {
    const auto files = DroppedClassFiles(event->mimeData());
    if (files.empty()) return;
    event->acceptProposedAction();
    // Opened after the drop is over, so the file manager is not kept waiting on a message box.
    QPointer<QtFrame> self(this);
    QTimer::singleShot(0, this, [self, files] {
        if (self && self->client_) self->client_->OpenFiles(files);
    });
}

void QtFrame::SetCommandLabel(int id, std::string_view label) {
    // The menu's item only: the control-bar button keeps its picture and tip.
    if (QAction* action = CommandAction(id)) action->setText(FromCp1252(label));
}

void QtFrame::SetCommandChecked(int id, bool checked) {
    if (QAction* action = CommandAction(id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void QtFrame::SendCommand(int id) {
    if (client_) client_->Command(id);
}

void QtFrame::SendKey(platform::Key key) {
    if (client_) client_->KeyDown(key);
}

platform::ChildHost& QtFrame::CreateChild(platform::ChildWindow& child, const platform::Rect& placement) {
    // A class opened after another would stand exactly over it: it steps a
    // title bar down and right from every window already at its place, back
    // to the area's corner when it would all but leave the area.
    QRect rect(placement.left, placement.top, placement.Width(), placement.Height());
    const QRect area = mdi_->viewport()->rect();
    const int step = CascadeStep(mdi_->subWindowList().value(0, nullptr));
    const auto taken = [this](const QPoint& corner) {
        for (QMdiSubWindow* sub : mdi_->subWindowList())
            if (sub->isVisible() && sub->geometry().topLeft() == corner) return true;
        return false;
    };
    for (int tries = 0; tries < 64 && taken(rect.topLeft()); ++tries) {
        rect.translate(step, step);
        // Enough of it stays in the area to take hold of it.
        if (!area.isEmpty() && (rect.left() + 240 > area.right() || rect.top() + 160 > area.bottom()))
            rect.moveTopLeft(QPoint(0, 0));
    }
    // Where the screen's measure reaches past the area (a large scale: menu,
    // control and status bars take more of it), the window ends at the
    // area's edge, its scroll bars in view.
    if (!area.isEmpty()) {
        rect.setRight(std::max(rect.left() + 240, std::min(rect.right(), area.right())));
        rect.setBottom(std::max(rect.top() + 160, std::min(rect.bottom(), area.bottom())));
    }
    auto* window = new QtChildWindow(*this, child);
    mdi_->addSubWindow(window);
    window->setGeometry(rect);
    children_[&child] = window;
    return *window;
}

void QtFrame::DestroyChild(platform::ChildWindow& child) {
    const auto it = children_.find(&child);
    if (it == children_.end()) return;
    if (client_) client_->ChildClosing(child);
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
    return CreateFrameTopWindow(window, attributes);
}

platform::TopWindowHost& QtFrame::CreateFrameTopWindow(platform::TopWindow& window,
                                                        const platform::TopWindowAttributes& attributes) {
    if (platform::TopWindowHost* old = window.TopHost()) old->Release();
    // A child of the frame: above it, and gone with it.
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

int QtFrame::CascadeStep(const QWidget* sample) const {
    return std::max(16, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sample) +
                            style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sample));
}

void QtFrame::Cascade() {
    // One behind the other, each a title bar lower and further right than the
    // one behind it, the active one in front; each keeps its own size, cut
    // only where it would run out of the area.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::StackingOrder))
        if (sub->isVisible() && !sub->isMinimized()) windows << sub;
    if (windows.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int step = CascadeStep(windows.front());
    const QSize least = windows.front()->minimumSizeHint().expandedTo(QSize(240, 160));
    int offset = 0;
    for (QMdiSubWindow* sub : windows) {
        if (sub->isMaximized()) sub->showNormal();
        QSize size = sub->size();
        // A window that has never had a useful size takes its natural one.
        if (size.width() < least.width() || size.height() < least.height()) size = sub->sizeHint();
        // Start again at the corner when the next step would leave too little room.
        if (offset > 0 && (area.width() - offset < least.width() || area.height() - offset < least.height())) offset = 0;
        size = size.boundedTo(QSize(area.width() - offset, area.height() - offset)).expandedTo(least);
        sub->setGeometry(QRect(QPoint(offset, offset), size));
        sub->raise();
        offset += step;
    }
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) active->raise();
}

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

bool QtFrame::eventFilter(QObject* watched, QEvent* event) {
    // A class window that fills the area goes on filling it when the area
    // changes size (as when the frame settles on the screen after it shows).
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        const QRect filled(QPoint(0, 0), resize->oldSize());
        for (QMdiSubWindow* sub : mdi_->subWindowList())
            if (!sub->isMaximized() && sub->geometry() == filled) sub->setGeometry(QRect(QPoint(0, 0), resize->size()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void QtFrame::SetStatusText(std::string_view text) { statusBar()->showMessage(FromCp1252(text)); }

platform::Size QtFrame::AreaSize() const {
    const QSize area = mdi_->viewport()->size();
    return platform::Size{area.width(), area.height()};
}

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
