// quorle print seating: the chart's printout to PDF, or the chart's message.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLinePrint.h"
#include "record/ClassFile.h"
#include "reports/ReportFixtures.h"
#include "seating/ChartPicture.h"
#include "seating/SeatingChartFile.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

TEST(PrintSeating, PrintsTheChartWithHeadingBackAndFront) {
    TempDir dir;
    ClassRecord record = PointsClass();
    AddStudent(record, "Adams", "Ann", "11");
    record.fileName = dir.File("bio.gdr");
    ASSERT_TRUE(WriteClassFile(record));
    RecordingPrintDevice device;
    std::vector<std::string> sizes;
    CommandLineServices services;
    services.makePdfDevice = [&](PdfBytesSink, const std::string& size) -> std::unique_ptr<platform::PrintDevice> {
        sizes.push_back(size);
        return std::make_unique<WatchedDevice>(device, nullptr);
    };
    auto run = [&](std::vector<std::string> args, std::string& out, std::string& err) {
        std::ostringstream o, e;
        const int status = RunPrintCommand(args, services, o, e);
        out = o.str(), err = e.str();
        return status;
    };
    std::string out, err;
    EXPECT_EQ(run({"seating", record.fileName, "-o", dir.File("c.pdf")}, out, err), 1);
    EXPECT_EQ(err, "quorle print: " + dir.File("bio.CHT") + ": File cannot be opened!\n");
    EXPECT_TRUE(device.pages.empty());

    SeatingChart chart;
    SetDesk(chart.grid, 2, 3, true);
    chart.Recount();
    chart.seats = {TPeople::Seated("Ann", "Adams")};
    dir.Write("bio.cht", SerializeChartFile(chart));
    EXPECT_EQ(run({"seating", record.fileName, "-o", dir.File("c.pdf"), "--page-size", "A4"}, out, err), 0) << err;
    EXPECT_EQ(out, dir.File("c.pdf") + ": 1 page\n");
    EXPECT_EQ(sizes.back(), "A4");
    ASSERT_EQ(device.pages.size(), 1u);
    std::vector<std::string> expected = {"  Seating Chart for Biology, Period 3", "Back"};
    for (const auto& line : ChartPictureText(chart)) expected.push_back(line);
    expected.push_back("Front");
    EXPECT_EQ(device.PageTexts(0), expected);
    EXPECT_EQ(device.documents, std::vector<std::string>{"Seating Chart"});
}

}  // namespace
}  // namespace quorle::testing
