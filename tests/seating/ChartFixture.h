#pragma once
// A class of three students saved in a temporary folder (also the program
// directory), its seating chart with a fake window host made on first use,
// and helpers to put a chart beside it.
#include <memory>
#include <string>

#include "record/ClassRecord.h"
#include "seating/ClassChart.h"
#include "seating/SeatingChartFile.h"
#include "seating/SeatingChartWindow.h"
#include "support/FakeFrame.h"
#include "support/FakeUi.h"
#include "support/RecordingCanvas.h"
#include "support/TempDir.h"

namespace quorle::testing {

struct ChartFixture {
    TempDir dir;
    FakeUi ui;
    ClassRecord record = NewClassRecord();
    std::unique_ptr<TClassChart> chart;
    std::unique_ptr<FakeTopWindowHost> windowHost;
    int classShown = 0;

    ChartFixture() {
        ui.programDirectory = dir.Path();
        record.info.course = "Biology";
        record.info.period = "3";
        record.fileName = dir.File("bio.gdr");
        AddStudent(record, "Adams", "Ann", "1");
        AddStudent(record, "Baker", "Bob", "2");
        AddStudent(record, "Cole", "Cy", "3");
        chart = std::make_unique<TClassChart>(ui, record);
        chart->SetWindowMaker([this](TSeatingChartWindow& w) {
            windowHost = std::make_unique<FakeTopWindowHost>(w, ChartWindowAttributes());
        });
        chart->SetShowClassWindow([this] { ++classShown; });
    }

    // A chart with desks in the left column at places 0..desks-1, seated as given.
    static SeatingChart ColumnChart(int desks, const SeatList& seated = {}) {
        SeatingChart c;
        for (int p = 0; p < desks; ++p) SetDesk(c.grid, 0, p, true);
        c.Recount();
        c.seats = seated;
        c.seats.resize(static_cast<std::size_t>(desks), TPeople::Free());
        return c;
    }
    void PutChart(const SeatingChart& c, const std::string& name = "bio.CHT") {
        dir.Write(name, SerializeChartFile(c));
    }
    std::vector<unsigned char> ChartBytes(const std::string& name = "bio.CHT") const { return dir.Read(name); }
    SeatingChart StoredChart(const std::string& name = "bio.CHT") const {
        auto c = ParseChartFile(dir.Read(name));
        return c ? *c : SeatingChart{};
    }
    TSeatingChartWindow& Window() { return *chart->Window(); }
};

}  // namespace quorle::testing
