#pragma once
// A class window over a class written to a temporary folder, and the scripted
// moves of a teacher working the editing dialogs.
#include <memory>
#include <string>
#include <vector>

#include "ClassFixture.h"
#include "record/ClassFile.h"
#include "seating/SeatingChartFile.h"
#include "support/TempDir.h"

namespace quorle::testing {

struct EditTest : ::testing::Test {
    TempDir dir;
    std::unique_ptr<ClassWindowFixture> f;

    // Writes the class as dir/name and opens a class window on it.
    void Open(ClassRecord r, const std::string& name = "alg.gdr") {
        r.fileName = dir.File(name);
        EXPECT_TRUE(WriteClassFile(r));
        f = std::make_unique<ClassWindowFixture>(std::move(r));
    }
    ClassRecord& Rec() { return f->child->Record(); }
    FakeUi& Ui() { return f->ui; }
    std::vector<unsigned char> OnDisk(const std::string& name = "alg.gdr") const { return dir.Read(name); }
    // The file on disk holds exactly the class in memory.
    void ExpectWritten() { EXPECT_EQ(OnDisk(), SerializeClassFile(Rec())); }
    void Script(DialogScript s) { Ui().dialogs.push_back(std::move(s)); }

    // A chart of one column of desks beside dir/name, seated as given (first, last).
    void PutChart(const std::string& name, std::initializer_list<std::pair<const char*, const char*>> seated,
                  int desks) {
        SeatingChart chart;
        for (int p = 0; p < desks; ++p) SetDesk(chart.grid, 0, p, true);
        chart.Recount();
        for (const auto& [first, last] : seated) chart.seats.push_back(TPeople::Seated(first, last));
        chart.seats.resize(static_cast<std::size_t>(desks), TPeople::Free());
        dir.Write(name, SerializeChartFile(chart));
    }
    // The occupants of a chart beside the class, "first last" without padding ("" for free seats).
    std::vector<std::string> Seats(const std::string& name = "alg.CHT") const {
        std::vector<std::string> out;
        const auto chart = ParseChartFile(dir.Read(name));
        if (!chart) return {"unreadable"};
        for (const TPeople& p : chart->seats)
            out.push_back(p.IsFree() ? "" : TrimSeatName(p.firstName.View()) + " " + TrimSeatName(p.lastName.View()));
        return out;
    }
};

inline DialogScript Ok() {
    return [](FakeDialogHost& h) { EXPECT_TRUE(h.PressOk()); };
}
inline DialogScript Cancel() {
    return [](FakeDialogHost& h) { h.PressCancel(); };
}
inline DialogScript ClickOk(int id) {
    return [id](FakeDialogHost& h) {
        h.Click(id);
        EXPECT_TRUE(h.PressOk());
    };
}
inline DialogScript TypeOk(int id, std::string text) {
    return [id, text](FakeDialogHost& h) {
        h.Type(id, text);
        EXPECT_TRUE(h.PressOk());
    };
}

// A class of n students, Student1 .. Studentn, with one test T1.
inline ClassRecord ClassOf(int n) {
    ClassRecord r = SmallClass();
    r.roster.resize(1);
    for (auto& list : r.roster[0].scores.lists) list.clear();
    for (int i = 1; i <= n; ++i) AddStudent(r, "Student" + std::to_string(i), "S" + std::to_string(i), std::to_string(i));
    AddItem(r, kTests, "T1", {10});
    return r;
}

}  // namespace quorle::testing
