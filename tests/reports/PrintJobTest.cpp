#include "reports/PrintJob.h"

#include <gtest/gtest.h>

#include <tuple>

#include "reports/GradesPrint.h"
#include "reports/ReportFixtures.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

// A report whose pages are as many as asked, each printing its number.
class CountingPrintout : public TCountedPrintout {
public:
    CountingPrintout(std::string title, TMyPrinter& printer, int pages) : TCountedPrintout(std::move(title), printer) {
        pages_.assign(static_cast<std::size_t>(pages), TStart{1, 0});
    }
    std::vector<bool> lastOfJob;

protected:
    void PrintPage(platform::PrintDevice& device, const TStart&, bool last) override {
        device.TextOut(0, 0, "page " + std::to_string(pageCounter_));
        lastOfJob.push_back(last);
    }
};

// The texts of every page of the job, page by page.
using PerPage = std::vector<std::vector<std::string>>;
PerPage PageTexts(const RecordingPrintDevice& device) {
    PerPage pages;
    for (std::size_t i = 0; i < device.pages.size(); ++i) pages.push_back(device.PageTexts(i));
    return pages;
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override { WatchedDevice::enabledDuringPages = 0; }
    FakeUi ui;
    FakeParent parent;
    RecordingPrintDevice device;
    TMyPrinter printer;
};

TEST_F(PrintJobTest, CancelledDialogPrintsNothingAndLeavesTheParentEnabled) {
    CountingPrintout printout("class.gdr", printer, 3);
    EXPECT_FALSE(printer.RunPrintJob(ui, &parent, printout, true));
    EXPECT_EQ(ui.printDialogCount, 1);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(parent.IsEnabled());
    EXPECT_TRUE(parent.changes.empty());
}

TEST_F(PrintJobTest, DialogOffersThePrintoutsPagesAsSelectionAndRange) {
    CountingPrintout printout("class.gdr", printer, 4);
    platform::PrintSetup seen;
    ui.printDialogs.push_back([&](platform::PrintSetup& s) -> std::unique_ptr<platform::PrintDevice> {
        seen = s;
        return nullptr;
    });
    printer.RunPrintJob(ui, &parent, printout, true);
    EXPECT_EQ(std::tuple(seen.minPage, seen.maxPage, seen.fromPage, seen.toPage), std::tuple(1, 4, 1, 4));
    EXPECT_EQ(seen.flags & (platform::kPrintNoSelection | platform::kPrintNoPageNums), 0u);
    EXPECT_NE(seen.flags & platform::kPrintReturnDc, 0u);
}

// The print dialog's Preview: the pages as they will print; Print there
// goes back to the print dialog, closing the preview ends the job.
TEST_F(PrintJobTest, PreviewFromThePrintDialog) {
    struct Step {
        bool preview;  // the dialog is left through Preview (else OK, or Cancel when last and !printed)
        bool print;    // then the preview's Print
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        bool printed;
        int dialogs;
        int previews;
    };
    const std::vector<Case> cases = {
        {"preview, print, OK", {{true, true}}, true, 2, 1},
        {"preview closed", {{true, false}}, false, 1, 1},
        {"preview twice, then OK", {{true, true}, {true, true}}, true, 3, 2},
        {"no preview", {}, true, 1, 0},
    };
    for (const Case& c : cases) {
        FakeUi ui;
        RecordingPrintDevice device;
        RecordingPrintDevice preview;
        TMyPrinter printer;
        CountingPrintout printout("class.gdr", printer, 2);
        std::vector<unsigned> flags;
        for (const Step& step : c.steps) {
            ui.printDialogs.push_back([&flags](platform::PrintSetup& s) -> std::unique_ptr<platform::PrintDevice> {
                flags.push_back(s.flags);
                s.previewChosen = true;
                return nullptr;
            });
            ui.previews.push_back(step.print);
        }
        ui.printDialogs.push_back(PrintDialogOk(device, nullptr, [&flags](platform::PrintSetup& s) { flags.push_back(s.flags); }));
        ui.previewDevice = &preview;
        EXPECT_EQ(printer.RunPrintJob(ui, nullptr, printout, true), c.printed) << c.what;
        EXPECT_EQ(ui.printDialogCount, c.dialogs) << c.what;
        EXPECT_EQ(ui.previewTitles, std::vector<std::string>(static_cast<std::size_t>(c.previews), "class.gdr")) << c.what;
        for (unsigned f : flags) EXPECT_NE(f & platform::kPrintOfferPreview, 0u) << c.what;
        // The preview shows every page; the printer gets them only after OK.
        if (c.previews > 0) {
            ASSERT_EQ(preview.pages.size(), 2u * static_cast<std::size_t>(c.previews)) << c.what;
            EXPECT_EQ(preview.PageTexts(1), std::vector<std::string>{"page 2"}) << c.what;
        }
        EXPECT_EQ(device.pages.size(), c.printed ? 2u : 0u) << c.what;
    }
}

// What the teacher chose in the dialog before Preview (pages 2 to 3, three
// copies) is what the dialog shows again after the preview's Print, though
// the preview showed every page; the job prints it.
TEST_F(PrintJobTest, PreviewKeepsTheChoicesOfTheDialog) {
    CountingPrintout printout("class.gdr", printer, 4);
    ui.printDialogs.push_back([](platform::PrintSetup& s) -> std::unique_ptr<platform::PrintDevice> {
        s.flags |= platform::kPrintPageNums;
        s.fromPage = 2;
        s.toPage = 3;
        s.copies = 3;
        s.previewChosen = true;
        return nullptr;
    });
    ui.previews.push_back(true);
    RecordingPrintDevice preview;
    ui.previewDevice = &preview;
    platform::PrintSetup again;
    ui.printDialogs.push_back(PrintDialogOk(device, nullptr, [&again](platform::PrintSetup& s) { again = s; }));
    EXPECT_TRUE(printer.RunPrintJob(ui, &parent, printout, true));
    EXPECT_EQ(preview.pages.size(), 4u);
    EXPECT_EQ(std::tuple(again.fromPage, again.toPage, again.copies, (again.flags & platform::kPrintPageNums) != 0),
              std::tuple(2, 3, 3, true));
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_EQ(device.PageTexts(0), std::vector<std::string>{"page 2"});
    EXPECT_EQ(device.copyCounts, std::vector<int>({3, 1}));
}

// A device asked before each page how far the job is may stop it (the
// person's Cancel): no further page, and the job's message says so.
TEST_F(PrintJobTest, ADeviceMayStopTheJobBeforeAnyPage) {
    // Stops once `allow` pages are done; what it was asked, and the pages begun.
    class StoppingDevice : public RecordingPrintDevice {
    public:
        StoppingDevice(int allow, std::vector<std::pair<int, int>>& asked, int& begun)
            : allow_(allow), asked_(asked), begun_(begun) {}
        bool Continue(int page, int pages) override {
            asked_.emplace_back(page, pages);
            return page < allow_;
        }
        int StartPage() override {
            ++begun_;
            return RecordingPrintDevice::StartPage();
        }

    private:
        int allow_;
        std::vector<std::pair<int, int>>& asked_;
        int& begun_;
    };
    const struct {
        int allow;
        int copies;   // collated: a document per copy
        int asks;     // the device is asked before pages 0..asks-1
        int pages;    // of the job, as it is told
        bool printed; // a stop begins no page after it and says the job's message
    } cases[] = {{99, 1, 3, 3, true}, {1, 1, 2, 3, false}, {0, 1, 1, 3, false}, {99, 2, 6, 6, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.allow);
        FakeUi ui;
        TMyPrinter printer;
        CountingPrintout printout("class.gdr", printer, 3);
        std::vector<std::pair<int, int>> asked;
        int begun = 0;
        ui.printDialogs.push_back([&](platform::PrintSetup& s) -> std::unique_ptr<platform::PrintDevice> {
            s.copies = c.copies;
            s.flags |= platform::kPrintCollate;
            return std::make_unique<StoppingDevice>(c.allow, asked, begun);
        });
        EXPECT_EQ(printer.RunPrintJob(ui, nullptr, printout, true), c.printed);
        std::vector<std::pair<int, int>> expected;
        for (int page = 0; page < c.asks; ++page) expected.emplace_back(page, c.pages);
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(begun, c.printed ? c.asks : c.asks - 1);
        EXPECT_EQ(ui.BoxTexts(), c.printed ? std::vector<std::string>{}
                                            : std::vector<std::string>{"'class.gdr' not printed. Printing canceled."});
    }
}

// A dialog that fails because the default printer changed is run once more;
// any other failure ends the job with no message.
TEST_F(PrintJobTest, OnlyADefaultPrinterChangeRunsTheDialogOnceMore) {
    const struct {
        int error;
        bool printed;
        int dialogs;
    } cases[] = {{platform::kPrintErrorDefaultChanged, true, 2}, {4100, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        FakeUi ui;
        TMyPrinter printer;
        RecordingPrintDevice device;
        CountingPrintout printout("class.gdr", printer, 1);
        ui.printDialogs.push_back([&c](platform::PrintSetup& s) -> std::unique_ptr<platform::PrintDevice> {
            s.error = c.error;
            return nullptr;
        });
        ui.printDialogs.push_back(PrintDialogOk(device));
        EXPECT_EQ(printer.RunPrintJob(ui, &parent, printout, true), c.printed);
        EXPECT_EQ(ui.printDialogCount, c.dialogs);
        EXPECT_EQ(device.pages.size(), c.printed ? 1u : 0u);
        EXPECT_TRUE(ui.boxes.empty());
    }
}

// Print to File onto a file the program's guard refuses prints nothing and
// says why; any other file is printed to.
TEST_F(PrintJobTest, PrintToFileStopsAtAFileTheGuardRefuses) {
    SetPrintOutputGuard([](const std::string& path) {
        return path.ends_with("biology.gdr") ? std::string("would write over a class file") : std::string();
    });
    for (const std::string file : {"/tmp/x/biology.gdr", "/tmp/x/report.pdf"}) {
        SCOPED_TRACE(file);
        FakeUi ui;
        TMyPrinter printer;
        RecordingPrintDevice device;
        CountingPrintout printout("class.gdr", printer, 1);
        ui.printDialogs.push_back(PrintDialogOk(device, nullptr, [&file](platform::PrintSetup& s) { s.outputFile = file; }));
        const bool refused = file.ends_with(".gdr");
        EXPECT_EQ(printer.RunPrintJob(ui, &parent, printout, true), !refused);
        EXPECT_EQ(device.pages.size(), refused ? 0u : 1u);
        EXPECT_EQ(ui.BoxTexts(), refused ? std::vector<std::string>{"biology.gdr would write over a class file; nothing was written."}
                                         : std::vector<std::string>{});
    }
    SetPrintOutputGuard(nullptr);
}

TEST_F(PrintJobTest, ParentIsDisabledWhilePagesAreMadeAndEnabledAfter) {
    CountingPrintout printout("class.gdr", printer, 2);
    ui.printDialogs.push_back(PrintDialogOk(device, &parent));
    EXPECT_TRUE(printer.RunPrintJob(ui, &parent, printout, true));
    EXPECT_EQ(WatchedDevice::enabledDuringPages, 0);
    EXPECT_EQ(parent.changes, (std::vector<bool>{false, true}));
    EXPECT_EQ(device.pages.size(), 2u);
    EXPECT_EQ(device.endDocs, 1);
}

// A range prints exactly its pages, and ends with the report when it runs past it.
TEST_F(PrintJobTest, ARangePrintsItsPagesUpToTheLast) {
    const struct {
        int pages, from, to;
    } cases[] = {{5, 2, 3}, {3, 2, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        FakeUi ui;
        TMyPrinter printer;
        RecordingPrintDevice device;
        CountingPrintout printout("class.gdr", printer, c.pages);
        ui.printDialogs.push_back(PrintDialogOk(device, &parent, [&c](platform::PrintSetup& s) {
            s.flags |= platform::kPrintPageNums;
            s.fromPage = c.from;
            s.toPage = c.to;
        }));
        EXPECT_TRUE(printer.RunPrintJob(ui, &parent, printout, true));
        EXPECT_EQ(PageTexts(device), (PerPage{{"page 2"}, {"page 3"}}));
        // The last page of the job is page 3.
        EXPECT_EQ(printout.lastOfJob, (std::vector<bool>{false, true}));
    }
}

// Copies: uncollated ones are made by the device, as many per pass as it
// makes (the rest in later passes, back to 1 at the end); collated ones send
// the whole document each time; a device holding every copy (a PDF file) gets
// them all in one document, collated or not.
TEST_F(PrintJobTest, CopiesArePrintedAsTheDeviceCanMakeThem) {
    // A device that answers it makes no copies per pass.
    class NoCopies : public WatchedDevice {
    public:
        using WatchedDevice::WatchedDevice;
        int SetCopyCount(int) override { return 0; }
    };
    const struct {
        const char* what;
        int pages, copies;
        bool collate;
        int perPass;  // copies the device makes per pass: 0 as many as asked, -1 none at all
        bool holdsEveryCopy;
        std::vector<int> copyCounts;
        std::size_t documents;
    } cases[] = {
        {"uncollated", 2, 2, false, 0, false, {2, 1}, 1},
        {"collated", 2, 2, true, 0, false, {}, 2},
        {"two per pass", 1, 3, false, 2, false, {3, 1, 1}, 2},
        {"no copies per pass", 1, 2, false, -1, false, {}, 2},
        {"PDF uncollated", 2, 3, false, 0, true, {}, 1},
        {"PDF collated", 2, 3, true, 0, true, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeUi ui;
        TMyPrinter printer;
        RecordingPrintDevice device;
        device.deviceCopiesLimit = std::max(c.perPass, 0);
        device.holdsEveryCopy = c.holdsEveryCopy;
        CountingPrintout printout("class.gdr", printer, c.pages);
        ui.printDialogs.push_back([&](platform::PrintSetup& s) -> std::unique_ptr<platform::PrintDevice> {
            s.copies = c.copies;
            s.flags = (s.flags & ~unsigned{platform::kPrintCollate}) | (c.collate ? platform::kPrintCollate : 0u);
            if (c.perPass < 0) return std::make_unique<NoCopies>(device, nullptr);
            return std::make_unique<WatchedDevice>(device, nullptr);
        });
        EXPECT_TRUE(printer.RunPrintJob(ui, &parent, printout, true));
        EXPECT_EQ(device.copyCounts, c.copyCounts);
        EXPECT_EQ(device.documents.size(), c.documents);
        EXPECT_EQ(device.endDocs, static_cast<int>(c.documents));
        // Each document carries every page, not just the first.
        PerPage expected;
        for (std::size_t doc = 0; doc < c.documents; ++doc)
            for (int page = 1; page <= (c.holdsEveryCopy ? c.copies : 1) * c.pages; ++page)
                expected.push_back({"page " + std::to_string((page - 1) % c.pages + 1)});
        EXPECT_EQ(PageTexts(device), expected);
    }
}

// A spooler error is shown with the document's title (never taken as a
// format) and nothing printed; an unknown code shows nothing.
TEST_F(PrintJobTest, SpoolerErrorsAreReportedWithTheTitle) {
    const struct {
        const char* title;
        int code;
        const char* text;  // "" for no message
    } cases[] = {{"bio.gdr", -1, "'bio.gdr' not printed. Error encountered during print."},
                 {"bio.gdr", -2, "'bio.gdr' not printed. Printing canceled."},
                 {"bio.gdr", -3, "'bio.gdr' not printed. Printing aborted in Print Manager."},
                 {"bio.gdr", -4, "'bio.gdr' not printed. Out of disk space."},
                 {"bio.gdr", -5, "'bio.gdr' not printed. Out of memory."},
                 {"bio.gdr", -7, ""},
                 {"50%s off %d.gdr", -2, "'50%s off %d.gdr' not printed. Printing canceled."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        FakeUi ui;
        FakeParent parent;
        RecordingPrintDevice device;
        device.startDocResult = c.code;
        TMyPrinter printer;
        CountingPrintout printout(c.title, printer, 2);
        ui.printDialogs.push_back(PrintDialogOk(device));
        EXPECT_FALSE(printer.RunPrintJob(ui, &parent, printout, true));
        EXPECT_EQ(device.documents, std::vector<std::string>{c.title});
        ASSERT_EQ(ui.boxes.size(), *c.text ? 1u : 0u);
        if (*c.text) {
            EXPECT_EQ(ui.boxes[0].caption, "Print Error");
            EXPECT_EQ(ui.boxes[0].text, c.text);
            EXPECT_EQ(ui.boxes[0].icon, Icon::Stop);
        }
        EXPECT_TRUE(device.pages.empty());
        EXPECT_EQ(device.endDocs, 0);
        EXPECT_TRUE(parent.IsEnabled());
    }
}

TEST_F(PrintJobTest, ErrorAtAPageStopsTheJob) {
    CountingPrintout printout("bio.gdr", printer, 4);
    device.endPageResults[2] = platform::kSpoolOutOfDisk;
    device.endPageResults[1] = 0;  // 0 counts as success
    ui.printDialogs.push_back(PrintDialogOk(device, nullptr, [](platform::PrintSetup& s) {
        s.copies = 2;
        s.flags |= platform::kPrintCollate;
    }));
    EXPECT_FALSE(printer.RunPrintJob(ui, &parent, printout, true));
    EXPECT_EQ(device.pages.size(), 2u);
    EXPECT_EQ(device.documents.size(), 1u);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"'bio.gdr' not printed. Out of disk space."});
}

TEST_F(PrintJobTest, WithoutPromptTheGivenDeviceIsUsed) {
    CountingPrintout printout("bio.gdr", printer, 3);
    printer.SetDevice(std::make_unique<WatchedDevice>(device, nullptr));
    EXPECT_TRUE(printer.RunPrintJob(ui, nullptr, printout, false));
    EXPECT_EQ(ui.printDialogCount, 0);
    EXPECT_EQ(device.pages.size(), 3u);
}

TEST_F(PrintJobTest, WithoutAnyDeviceThePrinterErrorIsShown) {
    CountingPrintout printout("bio.gdr", printer, 1);
    EXPECT_FALSE(printer.RunPrintJob(ui, &parent, printout, false));
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{"Printer error"});
    EXPECT_TRUE(parent.IsEnabled());
}

TEST_F(PrintJobTest, BasePrintoutPrintsOnePage) {
    class OnePage : public TPrintout {
    public:
        using TPrintout::TPrintout;
        std::vector<int> rendered;
        void RenderPage(int page, const platform::Rect& band, unsigned) override {
            rendered.push_back(page);
            bandSeen = band;
        }
        platform::Rect bandSeen;
    } printout("x");
    ui.printDialogs.push_back(PrintDialogOk(device));
    EXPECT_TRUE(printer.RunPrintJob(ui, &parent, printout, true));
    EXPECT_EQ(printout.rendered, std::vector<int>{1});
    EXPECT_EQ(printout.bandSeen, (platform::Rect{0, 0, 2400, 3200}));
}

TEST(ReportConventionsTest, FontIsCourierNewOfOneNthOfThePage) {
    const platform::FontSpec font = ReportFont(3200, 85);
    EXPECT_EQ(font.face, "Courier New");
    EXPECT_EQ(font.height, -38);  // 3200 / 85 = 37.6, rounded
    EXPECT_EQ(font.weight, 400);
    EXPECT_TRUE(font.fixedPitch);
    EXPECT_EQ(ReportFont(6300, 85).height, -74);
    EXPECT_EQ(MulDiv(1, 85, 2), 43);  // halves round away from zero
    EXPECT_EQ(MulDiv(-1, 85, 2), -43);
}

TEST(ReportConventionsTest, DateHasNoLeadingZeros) {
    EXPECT_EQ(FormatDate({1997, 3, 7}), "3/7/1997");
    EXPECT_EQ(FormatDate({2026, 12, 25}), "12/25/2026");
}

TEST(ReportConventionsTest, PageRecordsFollowTheLineBudget) {
    EXPECT_EQ(BuildPageRecords(std::vector<int>(43, 1), 44), (std::vector<TStart>{{1, 43}}));
    EXPECT_EQ(BuildPageRecords(std::vector<int>(44, 1), 44), (std::vector<TStart>{{1, 43}, {44, 44}}));
    EXPECT_EQ(BuildPageRecords(std::vector<int>(21, 4), 44), (std::vector<TStart>{{1, 10}, {11, 20}, {21, 21}}));
    EXPECT_EQ(BuildPageRecords({}, 44), (std::vector<TStart>{{1, 0}}));
    // A row that alone fills a page gets one of its own, with no empty page before it.
    EXPECT_EQ(BuildPageRecords({60, 1, 60}, 50), (std::vector<TStart>{{1, 1}, {2, 2}, {3, 3}}));
}

}  // namespace
}  // namespace quorle::testing
