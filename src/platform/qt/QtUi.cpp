#include "platform/qt/QtUi.h"

#include "platform/ProgramDirectory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtDialogHost.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtPrint.h"
#include "platform/qt/QtTopWindow.h"

namespace quorle::qt {

QStringList ConvertFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed();
        if (description.isEmpty() && pattern.isEmpty()) continue;
        pattern.replace(';', ' ');
        if (description.contains('(' + pattern + ')') || pattern.isEmpty()) {
            out << description;
            continue;
        }
        // "Class Files (*.gdr)" over "*.gdr;*.GDR" shows every pattern it matches.
        QString name = description;
        if (const qsizetype open = name.lastIndexOf('('); open > 0 && name.endsWith(')'))
            name = name.left(open).trimmed();
        out << QString("%1 (%2)").arg(name, pattern);
    }
    return out;
}

namespace {

// Gives the keyboard back, when a modal box or dialog closes, to the window
// and the control in it that had it. A window manager gives the window back
// itself (and then this changes nothing there); without one the keyboard would
// stay with no window at all. The control is given back here either way: a
// window of several parts (class windows in the frame) would otherwise give it
// to the first part that takes it. A box that opens right after another closed
// (before the desktop has made the window active again) gives the keyboard
// back where the one before it did.
class KeyboardBack {
public:
    KeyboardBack() : window_(QApplication::activeWindow()), control_(QApplication::focusWidget()) {
        if (!window_) {
            window_ = returnedWindow_;
            control_ = returnedControl_;
        }
    }
    // Once the box has gone and no other took its place (the next dialog of
    // a sequence opens at once: the keyboard goes on to it, not back).
    ~KeyboardBack() {
        returnedWindow_ = window_;
        returnedControl_ = control_;
        QTimer::singleShot(0, [window = window_, control = control_] {
            if (const QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) return;
            if (window && window->isVisible() && QApplication::activeWindow() != window) window->activateWindow();
            if (control && control->window() == window && control->isVisible() && control->isEnabled() &&
                QApplication::focusWidget() != control)
                control->setFocus(Qt::OtherFocusReason);
        });
    }
    KeyboardBack(const KeyboardBack&) = delete;
    KeyboardBack& operator=(const KeyboardBack&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> control_;
    static inline QPointer<QWidget> returnedWindow_;
    static inline QPointer<QWidget> returnedControl_;
};

}  // namespace

namespace {

// F1 anywhere in the program, as help on the active window.
class HelpKey : public QObject {
public:
    explicit HelpKey(QtUi& ui) : ui_(ui) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !watched->isWidgetType()) return false;
        // One answer a press: the override comes first, the press after it.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        QWidget* window = QApplication::activeModalWidget();
        if (!window) window = QApplication::activeWindow();
        if (!window) window = static_cast<QWidget*>(watched)->window();
        ui_.ContextHelp(window);
        return true;
    }

private:
    QtUi& ui_;
};

}  // namespace

QtUi::QtUi(QWidget* parent) : parent_(parent) {}

void QtUi::SetHelpTopics(platform::HelpTopics topics) {
    topics_ = std::move(topics);
    if (!f1_ && QCoreApplication::instance()) {
        f1_ = std::make_unique<HelpKey>(*this);
        QCoreApplication::instance()->installEventFilter(f1_.get());
    }
}

void QtUi::ContextHelp(QWidget* window) {
    const auto showTopic = [this](int topic) {
        const QString page = topic != 0 ? EnsureViewer().TopicPage(topic) : QString();
        if (page.isEmpty())
            EnsureViewer().ShowContents();
        else
            EnsureViewer().ShowPage(page);
    };
    for (QWidget* w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (auto* host = dynamic_cast<QtDialogHost*>(w); host && host->GetDialog()) {
            const platform::DialogResource& resource = host->GetDialog()->Resource();
            for (const auto& control : resource.controls) {
                if (control.kind != platform::ControlKind::PushButton || control.text != "&Help") continue;
                if (auto* button = qobject_cast<QAbstractButton*>(host->Control(control.id)); button && button->isEnabled()) {
                    button->click();
                    return;
                }
            }
            if (const int topic = topics_.Dialog(resource.id); topic != 0 && EnsureViewer().PopUpTopic(topic, host)) return;
            continue;
        }
        if (auto* top = dynamic_cast<QtTopWindow*>(w); top && top->HelpTopic() != 0) {
            showTopic(top->HelpTopic());
            return;
        }
        if (w == parent_) {
            const auto* area = w->findChild<QMdiArea*>();
            showTopic(area && area->currentSubWindow() ? topics_.classWindow : topics_.frame);
            return;
        }
    }
    showTopic(0);
}

QtUi::~QtUi() {
    f1_.reset();
    while (waitDepth_ > 0) SetWaitCursor(false);
    delete viewer_.data();
}

platform::Answer QtUi::MessageBox(std::string_view caption, std::string_view text, platform::Buttons buttons,
                                  platform::Icon icon) {
    const KeyboardBack keyboardBack;
    QMessageBox box(Owner());
    box.setWindowTitle(FromCp1252(caption));
    box.setText(FromCp1252(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case platform::Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case platform::Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case platform::Icon::Information: box.setIcon(QMessageBox::Information); break;
        case platform::Icon::Question: box.setIcon(QMessageBox::Question); break;
        case platform::Icon::Stop: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
        case platform::Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case platform::Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case platform::Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case platform::Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    // Each button has its access key, Cancel too (Escape answers it as well).
    const std::pair<QMessageBox::StandardButton, const char*> keyed[] = {
        {QMessageBox::Yes, "&Yes"}, {QMessageBox::No, "&No"}, {QMessageBox::Cancel, "&Cancel"}};
    for (const auto& [which, label] : keyed)
        if (QAbstractButton* button = box.button(which)) button->setText(label);
    // The caption is drawn by the window manager, which cuts it when the box
    // is narrower: the box is made wide enough for it, its icon and buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont title = box.font();
        title.setBold(true);
        const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    const bool wasWaiting = waitDepth_ > 0;
    if (wasWaiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (wasWaiting) QApplication::restoreOverrideCursor();
    switch (result) {
        case QMessageBox::Ok: return platform::Answer::Ok;
        case QMessageBox::Yes: return platform::Answer::Yes;
        case QMessageBox::No: return platform::Answer::No;
        case QMessageBox::Cancel: return platform::Answer::Cancel;
        default: break;
    }
    // Closed some other way: the answer that changes nothing.
    switch (buttons) {
        case platform::Buttons::Ok: return platform::Answer::Ok;
        case platform::Buttons::YesNo: return platform::Answer::No;
        default: return platform::Answer::Cancel;
    }
}

std::optional<std::string> QtUi::FileName(const platform::FileDialogOptions& options, bool save) {
    const KeyboardBack keyboardBack;
    QFileDialog dialog(Owner());
    dialog.setWindowTitle(options.title.empty() ? (save ? QString("Save As") : QString("Open"))
                                                : FromCp1252(options.title));
    const QStringList filters = ConvertFilter(options.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!options.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    // The dialog only chooses a file: no deleting, renaming or new folders from it.
    dialog.setOption(QFileDialog::ReadOnly, true);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The system asks its own question before replacing a file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    // Each file dialog starts where the last one ended.
    if (!lastDirectory_.isEmpty() && QDir(lastDirectory_).exists()) dialog.setDirectory(lastDirectory_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    const QString path = chosen.front();
    if (options.pathMustExist && !QFileInfo(path).absoluteDir().exists()) return std::nullopt;
    if (!save && options.fileMustExist && !QFileInfo(path).isFile()) return std::nullopt;
    lastDirectory_ = QFileInfo(path).absolutePath();
    return QDir::toNativeSeparators(path).toStdString();
}

std::optional<std::string> QtUi::OpenFileName(const platform::FileDialogOptions& options) {
    return FileName(options, false);
}

std::optional<std::string> QtUi::SaveFileName(const platform::FileDialogOptions& options) {
    return FileName(options, true);
}

bool QtUi::RunModal(platform::Dialog& dialog) {
    const KeyboardBack keyboardBack;
    return RunDialog(dialog, Owner());
}

platform::ModelessDialogHost& QtUi::MakeModeless(platform::Dialog& dialog) {
    if (platform::ModelessDialogHost* old = dialog.Modeless()) old->Release();
    // It belongs to the frame: above it, and gone with it.
    return *new QtDialogHost(dialog, parent_, true);
}

QWidget* QtUi::Owner() const {
    // A box or dialog asked for from inside a modal dialog belongs to that dialog.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

std::unique_ptr<platform::PrintDevice> QtUi::PrintDialog(platform::PrintSetup& setup) {
    const KeyboardBack keyboardBack;
    return RunPrintDialog(Owner(), setup);
}

bool QtUi::PrintPreview(std::string_view title, const std::function<void(platform::PrintDevice&)>& render) {
    const KeyboardBack keyboardBack;
    return RunPrintPreview(Owner(), title, render);
}

std::unique_ptr<platform::PrintDevice> QtUi::DefaultPrintDevice(const platform::PrintSetup& setup) {
    return MakeDefaultPrintDevice(setup);
}

HelpViewer& QtUi::EnsureViewer() {
    if (!viewer_) {
        // The help pages stand beside the program or, installed, with the
        // shipped files; a program directory set elsewhere (for the
        // settings) may not hold them.
        QString folder = QDir(QString::fromStdString(ProgramDirectory())).filePath("help");
        const auto holdsHelp = [](const QString& f) { return QFileInfo(QDir(f).filePath("contents.html")).exists(); };
        if (!holdsHelp(folder)) folder = QDir(QString::fromStdString(platform::ShippedDirectory())).filePath("help");
        if (!holdsHelp(folder) && QCoreApplication::instance())
            folder = QDir(QCoreApplication::applicationDirPath()).filePath("help");
        viewer_ = new HelpViewer(folder, books_, nullptr);
    }
    return *viewer_;
}

void QtUi::Help(platform::HelpCommand command, std::string_view file, int topic) {
    const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
    switch (command) {
        case platform::HelpCommand::Quit:
            if (viewer_) viewer_->close();
            return;
        case platform::HelpCommand::Contents: EnsureViewer().ShowBook(name); return;
        case platform::HelpCommand::Index: EnsureViewer().ShowIndex(QString()); return;
        case platform::HelpCommand::Topic:
            if (!EnsureViewer().PopUpTopic(topic, Owner())) EnsureViewer().ShowContents();
            return;
    }
}

platform::Date QtUi::Today() {
    const QDate d = QDate::currentDate();
    return platform::Date{d.year(), d.month(), d.day()};
}

std::int64_t QtUi::Now() { return QDateTime::currentSecsSinceEpoch(); }

std::string QtUi::ProgramDirectory() { return platform::FindProgramDirectory(); }

void QtUi::SetWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++waitDepth_;
    } else if (waitDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --waitDepth_;
    }
}

std::string QtUi::ClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? ToCp1252(clipboard->text()) : std::string();
}

void QtUi::SetClipboardText(std::string_view text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(FromCp1252(text));
}

}  // namespace quorle::qt
