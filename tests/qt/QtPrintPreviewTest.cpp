// File > Print Preview on a real frame: the grades report's options and
// questions, then its pages in the preview, page by page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <cstdlib>
#include <memory>
#include <optional>

#include "QtTestApp.h"
#include "app/DecoClient.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtUi.h"
#include "resources/Menus.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

namespace cmd = resources::cmd;

// What the preview showed before it was closed.
struct Shown {
    QString caption;
    QString firstLabel;  // the page label at the start
    QString lastLabel;   // after Last
    int pages = 0;
    QStringList seen;  // the captions of the windows met on the way
};

// Answers each modal window as it comes up: OK for the options, No for the
// questions, Preview in the print dialog, and in the preview goes to the last
// page and closes it.
// The timer goes with the caller; past a minute (a machine under load may be
// slow, never that slow) every modal window is closed as it comes, so a
// failing test ends instead of waiting.
std::unique_ptr<QTimer> WorkThePreview(Shown& shown) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(20);
    auto last = std::make_shared<QPointer<QWidget>>();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [t = timer.get(), last, clock, &shown] {
        QWidget* modal = QApplication::activeModalWidget();
        if (clock->elapsed() > 60000) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            return;
        }
        if (!modal || !modal->isVisible() || modal == last->data()) return;
        *last = modal;
        shown.seen << modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // No, pressed directly: a key sent before the box has the focus is lost.
            if (QAbstractButton* no = box->button(QMessageBox::No))
                no->click();
            else
                box->reject();
            return;
        }
        if (auto* button = modal->findChild<QPushButton*>("PreviewButton")) {
            button->click();
            return;
        }
        auto* preview = modal->findChild<QPrintPreviewWidget*>();
        if (!preview) {
            qobject_cast<QDialog*>(modal)->accept();
            return;
        }
        shown.caption = modal->windowTitle();
        shown.pages = preview->pageCount();
        auto* label = modal->findChild<QLabel*>("PageLabel");
        shown.firstLabel = label ? label->text() : QString();
        modal->grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("print-preview.png"));
        for (QAction* action : modal->findChild<QToolBar*>()->actions())
            if (action->text() == "&Last") action->trigger();
        shown.lastLabel = label ? label->text() : QString();
        qobject_cast<QDialog*>(modal)->reject();
        t->stop();
    });
    timer->start();
    return timer;
}

// Runs a command of a frame holding a copy of the biology sample and
// works every window it opens as WorkThePreview does.
Shown PreviewThrough(int command) {
    Shown shown;
    testing::TempDir dir;
    const std::optional<std::string> before =
        std::getenv("QUORLE_DIR") ? std::optional<std::string>(std::getenv("QUORLE_DIR")) : std::nullopt;
    ::setenv("QUORLE_DIR", dir.Path().c_str(), 1);
    {
        QtFrame frame(resources::MainFrameLayout());
        QtUi ui(&frame);
        TDecoClient client(frame, ui);
        frame.SetClient(&client);
        frame.resize(900, 700);
        frame.show();
        EXPECT_TRUE(client.OpenClass(SampleClass("biology.gdr")));
        const auto worker = WorkThePreview(shown);
        client.Command(command);
        client.Command(cmd::kCloseAll);
        QApplication::processEvents();
        frame.SetClient(nullptr);
    }
    if (before)
        ::setenv("QUORLE_DIR", before->c_str(), 1);
    else
        ::unsetenv("QUORLE_DIR");
    return shown;
}

TEST(QtPrintPreview, ShowsTheGradesReportPageByPage) {
    TestApp();
    const Shown shown = PreviewThrough(cmd::kPrintPreview);
    ASSERT_GE(shown.seen.size(), 2);
    EXPECT_EQ(shown.seen.front(), "Print Display Options");
    EXPECT_TRUE(shown.caption.startsWith("Print Preview - ")) << shown.caption.toStdString();
    EXPECT_TRUE(shown.caption.endsWith("biology.gdr")) << shown.caption.toStdString();
    ASSERT_GE(shown.pages, 1);
    EXPECT_EQ(shown.firstLabel, QString("Page 1 of %1").arg(shown.pages));
    EXPECT_EQ(shown.lastLabel, QString("Page %1 of %1").arg(shown.pages));
}

// Any report's print dialog has a Preview button that shows that report.
TEST(QtPrintPreview, ThePrintDialogsPreviewShowsThatReport) {
    TestApp();
    const Shown shown = PreviewThrough(cmd::kPrintNameId);
    ASSERT_EQ(shown.seen.size(), 2) << shown.seen.join(" | ").toStdString();
    EXPECT_TRUE(shown.caption.startsWith("Print Preview - ")) << shown.caption.toStdString();
    EXPECT_GE(shown.pages, 1);
}

}  // namespace
}  // namespace quorle::qt
