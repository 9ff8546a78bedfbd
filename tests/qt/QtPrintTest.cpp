// The PDF device: real text on real pages, and a file that cannot be written
// is an error of the job, never a broken file under the chosen name.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include <QPrinter>

#include "platform/qt/QtPrint.h"
#include "QtTestApp.h"
#include "support/TempDir.h"

namespace quorle::qt {
namespace {

int PrintOnePage(platform::PrintDevice& device) {
    if (device.StartDoc("class.gdr") <= 0) return -1;
    device.StartPage();
    device.SelectFont(platform::FontSpec{"Courier New", -40, 400, true});
    device.TextOut(100, 100, "Possible Points 100.00");
    device.EndPage();
    return device.EndDoc();
}

TEST(QtPdfDeviceTest, WritesAPdfOnlyWhenTheWholeDocumentIsOnDisk) {
    testing::TempDir dir;
    auto device = MakePdfDevice(dir.File("report.pdf"), "Letter");
    ASSERT_NE(device, nullptr);
    EXPECT_GT(device->DeviceCaps(platform::DeviceCap::VerticalRes), device->DeviceCaps(platform::DeviceCap::HorizontalRes));
    EXPECT_FALSE(dir.Exists("report.pdf"));  // nothing under the name before the end
    EXPECT_GT(PrintOnePage(*device), 0);
    const auto bytes = dir.Read("report.pdf");
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "%PDF");

    // A folder that is not there: the end of the document fails.
    auto lost = MakePdfDevice(dir.File("missing/report.pdf"), "A4");
    ASSERT_NE(lost, nullptr);
    EXPECT_LT(PrintOnePage(*lost), 0);
    EXPECT_FALSE(dir.Exists("missing"));

    EXPECT_EQ(MakePdfDevice(dir.File("x.pdf"), "Tabloid-ish"), nullptr);
}

// The print dialog's "print to file" is a PDF too: every copy goes into its
// one document, or each copy would overwrite the last.
TEST(QtPdfDeviceTest, APrinterPrintingToAFileHoldsEveryCopy) {
    TestApp();
    testing::TempDir dir;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(dir.File("dialog.pdf")));
    auto device = PrinterDevice(std::move(printer));
    EXPECT_TRUE(device->HoldsEveryCopy());
    EXPECT_TRUE(MakePdfDevice(dir.File("report.pdf"), "A4")->HoldsEveryCopy());
    EXPECT_GT(PrintOnePage(*device), 0);
    EXPECT_TRUE(dir.Exists("dialog.pdf"));
}

}  // namespace
}  // namespace quorle::qt
