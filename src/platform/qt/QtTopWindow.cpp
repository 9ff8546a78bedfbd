#include "platform/qt/QtTopWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QScreen>
#include <QStatusBar>

#include "platform/qt/QtAccessibleList.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtWindowHost.h"

namespace quorle::qt {

QtTopWindow::QtTopWindow(platform::TopWindow& window, const platform::TopWindowAttributes& attributes, QWidget* owner)
    // A dialog-type window with every button of a window: window managers keep
    // a window of that type above the one it belongs to (a plain window they
    // would let the frame and its dialogs bury).
    : QMainWindow(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                             Qt::WindowCloseButtonHint),
      window_(&window), helpTopic_(attributes.helpTopic) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(FromCp1252(attributes.caption));
    view_ = new QtWindowHost(window, this, false);
    // A screen reader walks the lines the window hands it as a list; the line
    // the keyboard is on is announced whenever the view takes the keyboard.
    ReadViewAsList(view_);
    view_->installEventFilter(this);
    setCentralWidget(view_);
    statusBar()->showMessage(QString());
    FillMenuBar(menuBar(), attributes.menu, statusBar(), [this](int id) { SendCommand(id); }, actions_);
    AddAccelerators(this, attributes.accelerators, [this](int id) { SendCommand(id); });
    if (attributes.placement.Width() > 0 && attributes.placement.Height() > 0) {
        const platform::Rect& r = attributes.placement;
        setGeometry(r.left, r.top, r.Width(), r.Height());
    } else {
        // Beside its owner, large enough to use: two thirds of the screen.
        const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        resize(area.width() * 2 / 3, area.height() * 2 / 3);
        const QPoint at = owner ? owner->mapToGlobal(QPoint(40, 40)) : area.topLeft() + QPoint(40, 40);
        move(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())),
             std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    // The view stands for the window; the window speaks to this host.
    window.AttachTopHost(this);
}

QtTopWindow::~QtTopWindow() {
    if (window_) {
        view_->Detach();
        window_->AttachTopHost(nullptr);
        window_ = nullptr;
    }
}

void QtTopWindow::Release() {
    if (!window_) return;
    view_->Detach();
    platform::TopWindow* window = window_;
    window_ = nullptr;
    if (window->TopHost() == this) window->AttachTopHost(nullptr);
    HideAndReturnKeyboard();
    // Not now: this may run inside one of its own handlers.
    deleteLater();
}

void QtTopWindow::SendCommand(int id) {
    if (window_ && !disabled_[id]) window_->Command(id);
}

void QtTopWindow::EnableCommand(int id, bool enabled) {
    disabled_[id] = !enabled;
    if (QAction* action = CommandAction(id)) action->setEnabled(enabled);
}

void QtTopWindow::closeEvent(QCloseEvent* event) {
    // The window is kept; what the close box does is the window's business.
    event->ignore();
    if (window_) window_->CloseBox();
}

void QtTopWindow::Invalidate() { view_->Invalidate(); }
void QtTopWindow::ScrollerChanged() { view_->ScrollerChanged(); }
platform::Size QtTopWindow::ClientSize() const { return view_->ClientSize(); }
void QtTopWindow::SetFocus() {
    activateWindow();
    view_->SetFocus();
}
platform::Canvas& QtTopWindow::MeasuringCanvas() { return view_->MeasuringCanvas(); }
void QtTopWindow::AddCheckBox(int id, const platform::Rect& rect) { view_->AddCheckBox(id, rect); }
void QtTopWindow::RemoveCheckBox(int id) { view_->RemoveCheckBox(id); }
bool QtTopWindow::IsCheckBoxChecked(int id) const { return view_->IsCheckBoxChecked(id); }
void QtTopWindow::SetCheckBoxChecked(int id, bool checked) { view_->SetCheckBoxChecked(id, checked); }
void QtTopWindow::FitClientSize(platform::Size size) {
    // Around the client area: the frames of the window and the view, the
    // menu and status bars and both scroll bars.
    const int frame = 2 * view_->frameWidth();
    const int across = size.cx + frame + view_->verticalScrollBar()->sizeHint().width();
    const int down = size.cy + frame + view_->horizontalScrollBar()->sizeHint().height() +
                     menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QScreen* screen = parentWidget() && parentWidget()->screen() ? parentWidget()->screen()
                                                                       : QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // No larger than the frame it belongs to.
    QSize most = area.size();
    if (parentWidget()) most = most.boundedTo(parentWidget()->window()->size());
    const QSize wanted = QSize(across, down).boundedTo(most).expandedTo(minimumSizeHint());
    resize(wanted);
    move(std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - wanted.width())),
         std::clamp(y(), area.top(), std::max(area.top(), area.bottom() + 1 - wanted.height())));
}

void QtTopWindow::SetAccessibleText(const platform::AccessibleText* text) {
    if (window_) view_->SetAccessibleText(text);
}

void QtTopWindow::SetAccessibleTable(platform::AccessibleTable* table) {
    if (!window_) return;
    if (table) ReadViewAsTable(view_);
    view_->SetAccessibleTable(table);
}

void QtTopWindow::AccessibleTextChanged() {
    if (window_) view_->AccessibleTextChanged();
}

void QtTopWindow::AccessibleFocusChanged() {
    if (!window_) return;
    if (view_->AccessibleTableModel())
        view_->AccessibleFocusChanged();
    else
        AnnounceFocusedLine(view_);
}

bool QtTopWindow::eventFilter(QObject* watched, QEvent* event) {
    // (A table's view announces its cell itself.)
    if (watched == view_ && event->type() == QEvent::FocusIn && !view_->AccessibleTableModel())
        // After the view's own focus news, which would otherwise follow it.
        QMetaObject::invokeMethod(
            this, [this] { AccessibleFocusChanged(); }, Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

void QtTopWindow::HideAndReturnKeyboard() {
    // The keyboard goes back to the window this one belongs to, and from it to
    // the control that had it there: without a window manager nothing else
    // would give it back.
    const bool hadKeyboard = isActiveWindow();
    hide();
    if (QWidget* owner = parentWidget(); hadKeyboard && owner) owner->window()->activateWindow();
}

void QtTopWindow::SetCaption(std::string_view caption) { setWindowTitle(FromCp1252(caption)); }

void QtTopWindow::Show(bool visible) {
    if (!visible) {
        HideAndReturnKeyboard();
        return;
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    view_->SetFocus();
}

bool QtTopWindow::IsVisible() const { return isVisible(); }

void QtTopWindow::SetStatusText(std::string_view text) { statusBar()->showMessage(FromCp1252(text)); }

QAction* QtTopWindow::CommandAction(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

}  // namespace quorle::qt
