// File > Print Preview on a real frame: the grades report's options and
// questions, then its pages in the preview, page by page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <map>
#include <vector>
#include <memory>
#include <optional>
#include <tuple>

#include "QtTestApp.h"
#include "app/DecoClient.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtPrint.h"
#include "platform/qt/QtUi.h"
#include "reports/PrintJob.h"
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
        auto* label = modal->findChild<QLabel*>("PageLabel");
        if (!label) {
            qobject_cast<QDialog*>(modal)->accept();
            return;
        }
        shown.caption = modal->windowTitle();
        shown.firstLabel = label->text();
        shown.pages = label->text().section(' ', 3).toInt();
        modal->grab().save(QDir(QUORLE_TEST_OUTPUT_DIR).filePath("print-preview.png"));
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            if (button->text() == "&Last" && button->isEnabled()) button->click();
        shown.lastLabel = label->text();
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

// Three pages, each a heading and a row of columns; `furthest` gets, for each
// walk of the document, the last sheet it started.
void DrawThreePages(platform::PrintDevice& device, std::vector<int>& furthest) {
    furthest.push_back(0);
    device.StartDoc("three.gdr");
    for (int page = 1; page <= 3 && device.Continue(page - 1, 3); ++page) {
        device.StartPage();
        furthest.back() = page;
        device.SelectFont(platform::FontSpec{"Courier New", -120, 400, true});
        device.TextOut(100, 100, "Grades, page " + std::to_string(page));
        device.TextOut(1400, 400, " 85.00");
        device.TextOut(100, 400, "Anderson");
        device.TextOut(700, 400, "Emily   ");
        device.Line(100, 600, 2000, 600, 1);
        device.EndPage();
    }
    device.EndDoc();
}

// A preview of several pages: the label and the greyed moves follow every
// move, each page is drawn when it is shown (the walk stops there) and reads
// as its lines; every button is in the tab order, named, with its key.
TEST(QtPrintPreview, AMultiPagePreviewsLabelAndButtons) {
    TestApp();
    struct Move {
        const char* press;  // nothing: as the preview opens
        int page;
        bool back;     // First and Previous enabled
        bool forward;  // Next and Last enabled
    };
    const std::vector<Move> moves = {
        {nullptr, 1, false, true}, {"&Next", 2, true, true},  {"&Last", 3, true, false},
        {"P&revious", 2, true, true}, {"&First", 1, false, true},
    };
    std::vector<int> furthest;
    bool checked = false;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer.stop();
        std::map<QString, QPushButton*> buttons;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) buttons[b->text()] = b;
        auto* label = dialog->findChild<QLabel*>("PageLabel");
        QWidget* page = dialog->findChild<QWidget*>("PreviewPage");
        ASSERT_TRUE(label && page);
        for (const Move& move : moves) {
            if (move.press) buttons.at(move.press)->click();
            const QString where = QString("Page %1 of 3").arg(move.page);
            EXPECT_EQ(label->text(), where) << move.press;
            EXPECT_EQ(buttons.at("&First")->isEnabled(), move.back) << move.press;
            EXPECT_EQ(buttons.at("P&revious")->isEnabled(), move.back) << move.press;
            EXPECT_EQ(buttons.at("&Next")->isEnabled(), move.forward) << move.press;
            EXPECT_EQ(buttons.at("&Last")->isEnabled(), move.forward) << move.press;
            QAccessibleInterface* text = QAccessible::queryAccessibleInterface(page);
            ASSERT_TRUE(text && text->textInterface());
            EXPECT_EQ(text->text(QAccessible::Name), where);
            EXPECT_EQ(text->textInterface()->text(0, -1),
                      QString("Grades, page %1\nAnderson Emily 85.00").arg(move.page));
        }
        // Each page drawn once, by a walk that stopped at it; the first walk counts them.
        EXPECT_EQ(furthest, (std::vector<int>{3, 1, 2, 3}));
        // Tab goes from the page through every button and back.
        std::vector<QPushButton*> tabbed;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
            if (auto* b = qobject_cast<QPushButton*>(w); b && b->window() == dialog) tabbed.push_back(b);
        EXPECT_EQ(tabbed.size(), buttons.size());
        for (const auto& [name, b] : buttons) {
            EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << name.toStdString();
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(b);
            EXPECT_EQ(button->text(QAccessible::Name), QString(name).remove('&')) << name.toStdString();
            ASSERT_TRUE(button->actionInterface());
            const QString key = QKeySequence::mnemonic(name).toString();
            EXPECT_EQ(button->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                      QStringList{key}) << name.toStdString();
        }
        checked = true;
        dialog->reject();
    });
    timer.start();
    EXPECT_FALSE(RunPrintPreview(nullptr, "three.gdr",
                                 [&furthest](platform::PrintDevice& device) { DrawThreePages(device, furthest); }));
    EXPECT_TRUE(checked);
}

// A printout of three pages, each page its number.
class ThreePages : public TPrintout {
public:
    explicit ThreePages(TMyPrinter& printer) : TPrintout("three.gdr"), printer_(printer) {}
    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override {
        OfferEveryPage(3, printer_.Setup(), minPage, maxPage, selFrom, selTo);
    }
    bool PageExists(int page) override { return page >= 1 && page <= 3; }
    void RenderPage(int page, const platform::Rect&, unsigned) override {
        device_->SelectFont(platform::FontSpec{"Courier New", -120, 400, true});
        device_->TextOut(100, 100, "page " + std::to_string(page));
    }

private:
    TMyPrinter& printer_;
};

// Copies and pages chosen, then Preview and its Print: the dialog comes back
// as the teacher left it, and the job prints what was chosen.
TEST(QtPrintPreview, PreviewThenPrintKeepsTheDialogsChoices) {
    TestApp();
    testing::TempDir dir;
    const std::string pdf = dir.File("three.pdf");
    std::tuple<int, bool, int, int, std::string> seen;  // copies, a page range, from, to, the file
    int printDialogs = 0;
    QPointer<QWidget> last;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == last) return;
        last = modal;
        auto* copies = modal->findChild<QSpinBox*>("copies");
        auto* range = modal->findChild<QRadioButton*>("printRange");
        auto* from = modal->findChild<QSpinBox*>("from");
        auto* to = modal->findChild<QSpinBox*>("to");
        if (qobject_cast<QPrintDialog*>(modal) && copies && range && from && to) {
            if (++printDialogs == 1) {
                // Print to a file, the dialog's last printer.
                auto* printers = modal->findChild<QComboBox*>("printers");
                printers->setCurrentIndex(printers->count() - 1);
                modal->findChild<QLineEdit*>("filename")->setText(QString::fromStdString(pdf));
                copies->setValue(3);
                range->setChecked(true);
                from->setValue(2);
                to->setValue(3);
                modal->findChild<QPushButton*>("PreviewButton")->click();
            } else {
                // What the dialog shows once it is up.
                QApplication::processEvents();
                seen = {copies->value(), range->isChecked(), from->value(), to->value(),
                        modal->findChild<QLineEdit*>("filename")->text().toStdString()};
                qobject_cast<QDialog*>(modal)->accept();
            }
            return;
        }
        for (QPushButton* b : modal->findChildren<QPushButton*>())
            if (b->text() == "&Print...") return b->click();
        qobject_cast<QDialog*>(modal)->reject();
    });
    timer.start();
    QtUi ui;
    TMyPrinter printer;
    ThreePages printout(printer);
    EXPECT_TRUE(printer.RunPrintJob(ui, nullptr, printout, true));
    timer.stop();
    EXPECT_EQ(printDialogs, 2);
    EXPECT_EQ(seen, std::tuple(3, true, 2, 3, pdf));
    // Three copies of pages 2 and 3.
    const std::vector<unsigned char> bytes = dir.Read("three.pdf");
    const std::string file(bytes.begin(), bytes.end());
    int pages = 0;
    for (auto at = file.find("/Type /Page\n"); at != std::string::npos; at = file.find("/Type /Page\n", at + 1)) ++pages;
    EXPECT_EQ(pages, 6);
}

}  // namespace
}  // namespace quorle::qt
