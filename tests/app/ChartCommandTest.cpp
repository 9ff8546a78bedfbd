// quorle chart: the picture's lines as UTF-8, or the message and status 1.
#include "app/ChartCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "seating/SeatingChartFile.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

TEST(ChartCommand, PrintsThePictureOrSaysTheChartCannotBeOpened) {
    TempDir dir;
    SeatingChart chart;
    SetDesk(chart.grid, 0, 0, true);
    SetDesk(chart.grid, 1, 0, true);
    chart.Recount();
    chart.seats = {TPeople::Seated("Ann", "M\xFCller"), TPeople::Free()};
    dir.Write("bio.cht", SerializeChartFile(chart));
    dir.Write("bad.CHT", {1, 2, 3});

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{dir.File("bio.gdr")}, 0,
         "* * * * * * * * * * * * * * * * *\n"
         "*Ann            *               *\n"
         "*M\xC3\xBCller         *               *\n"
         "* * * *1* * * * * * * *2* * * * *\n",
         ""},
        {{dir.File("none.gdr")}, 1, "", "File cannot be opened!\n"},
        {{dir.File("bad.gdr")}, 1, "", "File cannot be opened!\n"},
        {{}, 2, "", "quorle chart: no class file given\nUsage: quorle chart CLASS.gdr\n"},
        {{"a.gdr", "b.gdr"}, 2, "", "quorle chart: one class file at a time\nUsage: quorle chart CLASS.gdr\n"},
        {{"--wide", "a.gdr"}, 2, "", "quorle chart: unknown option --wide\nUsage: quorle chart CLASS.gdr\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunChartCommand(c.args, out, err), c.status) << c.err;
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
}

}  // namespace
}  // namespace quorle::testing
