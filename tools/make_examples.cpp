// Writes the sample class files shipped in examples/:
//   biology.gdr           a points class: 24 students, tests, quizzes, homework and labs
//   algebra-weighted.gdr  weighted percentages with plus and minus letters, omitted and
//                         missing grades, Extra categories named "Project" and "Oral"
//   empty.gdr             a class without students or grades
//   field-trip.col        an assignment grid: a checklist for a field trip
//   biology.CHT           the seating chart of biology.gdr: five rows of desks with two aisles
// The grades come from the program's own generator with fixed seeds, so the files
// are the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "grids/GridFile.h"
#include "platform/Text1252.h"
#include "record/UsualSettings.h"
#include "record/ClassFile.h"
#include "record/Random.h"
#include "seating/SeatingChartFile.h"

namespace {

using namespace quorle;

struct Item {
    int category;
    const char* title;
    float possible;
};

struct Name {
    const char* last;   // UTF-8 here; stored as Windows-1252
    const char* first;
};

std::string Cp(const char* utf8) { return platform::Utf8ToCp1252Lossy(utf8); }

void ShowUsualColumns(ClassRecord& record) { record.display = UsualDisplayFlags(); }

void AddItems(ClassRecord& record, const std::vector<Item>& items) {
    for (const Item& item : items) {
        TGrades entry;
        entry.title = item.title;
        entry.value = item.possible;
        record.Row(0).scores[item.category].push_back(entry);
    }
}

// A score out of `possible` for a student of the given ability (a percentage),
// in whole points (half points for items worth up to 10).
float Score(RandomGenerator& random, float ability, float possible) {
    const double spread = static_cast<double>(random.Next() % 2001) / 100.0 - 10.0;  // -10 .. +10
    double percent = std::clamp(static_cast<double>(ability) + spread, 20.0, 100.0);
    double points = percent * static_cast<double>(possible) / 100.0;
    points = possible <= 10.0f ? std::round(points * 2.0) / 2.0 : std::round(points);
    return static_cast<float>(points);
}

void AddStudents(ClassRecord& record, const std::vector<Name>& names, int firstId, std::uint32_t seed) {
    RandomGenerator random;
    random.Seed(seed);
    int id = firstId;
    for (const Name& name : names) {
        TStudent& student = AddStudent(record, Cp(name.last), Cp(name.first), std::to_string(id));
        id += 1 + static_cast<int>(random.Next() % 7);
        const float ability = 55.0f + static_cast<float>(random.Next() % 44);
        const TStudent& possible = record.Row(0);
        for (int c = 0; c < kCategoryCount; ++c)
            for (std::size_t j = 0; j < possible.scores[c].size(); ++j)
                student.scores[c][j].value = Score(random, ability, possible.scores[c][j].value);
    }
}

bool Write(ClassRecord& record, const std::string& folder, const char* name) {
    record.fileName = folder + "/" + name;
    if (!WriteClassFile(record)) {
        std::fprintf(stderr, "make_examples: cannot write %s\n", record.fileName.c_str());
        return false;
    }
    std::printf("%s\n", record.fileName.c_str());
    return true;
}

ClassRecord Biology() {
    ClassRecord record = NewClassRecord();
    record.info.course = "Biology";
    record.info.instructor = Cp("Ms. Hélène Marchand");
    record.info.period = "3";
    record.grading = UsualGradingSystem();
    const char* weights[] = {"40", "20", "20", "20", "0", "0"};
    for (std::size_t i = 0; i < 6; ++i) record.grading.weights[i] = weights[i];
    ShowUsualColumns(record);
    AddItems(record, {
        {kTests, "Cells", 100}, {kTests, "Genetics", 100}, {kTests, "Evolution", 100},
        {kQuizzes, "Quiz 1", 20}, {kQuizzes, "Quiz 2", 20}, {kQuizzes, "Quiz 3", 20}, {kQuizzes, "Quiz 4", 20},
        {kHomework, "HW 1", 10}, {kHomework, "HW 2", 10}, {kHomework, "HW 3", 10}, {kHomework, "HW 4", 10},
        {kHomework, "HW 5", 10},
        {kLabs, "Microscop", 25}, {kLabs, "Osmosis", 25}, {kLabs, "DNA Extr", 25}, {kLabs, "Enzymes", 25},
    });
    AddStudents(record,
                {{"Anderson", "Emily"}, {"Brooks", "Marcus"},  {"Castillo", "Sofía"},  {"Chen", "Kevin"},
                 {"Dubois", "Renée"},   {"Evans", "Tyler"},    {"Fischer", "Jonas"},   {"García", "Mateo"},
                 {"Hughes", "Olivia"},  {"Ibáñez", "Lucía"},   {"Jackson", "Aaliyah"}, {"Kim", "Daniel"},
                 {"Lopez", "Isabella"}, {"Müller", "Lena"},    {"Nguyen", "Anh"},      {"O'Brien", "Liam"},
                 {"Patel", "Priya"},    {"Peña", "Javier"},    {"Quinn", "Harper"},    {"Robinson", "Ethan"},
                 {"Schäfer", "Zoë"},    {"Thompson", "Noah"},  {"Walker", "Chloe"},    {"Young", "Benjamin"}},
                101, 1995);
    // A few missing assignments count as zero.
    record.Row(6).scores[kHomework][2].value = 0.0f;
    record.Row(11).scores[kLabs][1].value = 0.0f;
    record.Row(20).scores[kQuizzes][3].value = 0.0f;
    return record;
}

ClassRecord AlgebraWeighted() {
    ClassRecord record = NewClassRecord();
    record.info.course = "Algebra II";
    record.info.instructor = "Mr. Daniel Okafor";
    record.info.period = "5";
    record.grading = UsualGradingSystem();
    record.grading.pointsFlag = 0;
    record.grading.weightedFlag = 1;
    record.grading.plusMinusFlag = 1;
    const char* weights[] = {"40", "20", "15", "0", "15", "10"};
    for (std::size_t i = 0; i < 6; ++i) record.grading.weights[i] = weights[i];
    record.extra1Name = "Project";
    record.extra2Name = "Oral";
    ShowUsualColumns(record);
    AddItems(record, {
        {kTests, "Linear", 100}, {kTests, "Quadratic", 100}, {kTests, "Exponent", 50},
        {kQuizzes, "Quiz 1", 10}, {kQuizzes, "Quiz 2", 10}, {kQuizzes, "Quiz 3", 10},
        {kHomework, "Ch 1", 20}, {kHomework, "Ch 2", 20}, {kHomework, "Ch 3", 20}, {kHomework, "Ch 4", 20},
        {kExtra1, "Budget", 50}, {kExtra1, "Bridges", 50},
        {kExtra2, "Proof", 20},
    });
    AddStudents(record,
                {{"Álvarez", "Camila"},  {"Bennett", "Grace"}, {"Campbell", "Owen"},  {"Novák", "Petra"},
                 {"Eriksson", "Björn"},  {"Foster", "Ava"},    {"Gómez", "Diego"},    {"Hall", "Mason"},
                 {"Ito", "Haruto"},      {"Johnson", "Mia"},   {"Kowalski", "Adam"},  {"Lambert", "Chloé"},
                 {"Martínez", "Elena"},  {"Nuñez", "Andrés"},  {"Ortiz", "Valeria"},  {"Price", "Jacob"},
                 {"Reyes", "Nicolás"},   {"Sullivan", "Ella"}, {"Turner", "Lucas"},   {"Weiß", "Jonas"}},
                201, 2024);
    // Omitted grades: excused, they count for nothing.
    record.Row(3).scores[kTests][2].value = kOmitMarker;
    record.Row(7).scores[kQuizzes][0].value = kOmitMarker;
    record.Row(7).scores[kQuizzes][1].value = kOmitMarker;
    record.Row(12).scores[kExtra2][0].value = kOmitMarker;
    record.Row(19).scores[kHomework][3].value = kOmitMarker;
    // Missing work: zero points.
    record.Row(5).scores[kHomework][1].value = 0.0f;
    record.Row(15).scores[kExtra1][1].value = 0.0f;
    record.Row(18).scores[kQuizzes][2].value = 0.0f;
    return record;
}

ClassRecord Empty() {
    ClassRecord record = NewClassRecord();
    record.info.course = "Chemistry";
    record.info.instructor = Cp("Dr. Ana Peña");
    record.info.period = "1";
    record.grading = UsualGradingSystem();
    ShowUsualColumns(record);
    return record;
}

}  // namespace

bool WriteFieldTripGrid(const std::string& folder) {
    const std::string path = folder + "/field-trip.col";
    TColumnList grid;
    for (const char* heading : {"Permission slip", "Paid", "Lunch", "Bus", "Back"})
        grid.push_back(TColumn{FixedText<80>(heading), static_cast<std::int32_t>(std::string(heading).size())});
    if (!WriteGridFile(path, grid)) {
        std::fprintf(stderr, "make_examples: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

// Desks in columns 0, 1, 3, 4 and 6 (aisles between), six places deep; the
// class seated by the computer from a fixed seed.
bool WriteBiologyChart(const ClassRecord& biology, const std::string& folder) {
    const std::string path = folder + "/biology.CHT";
    SeatingChart chart;
    for (int column : {0, 1, 3, 4, 6})
        for (int place = 0; place < 6; ++place) SetDesk(chart.grid, column, place, true);
    chart.Recount();
    chart.seats.assign(static_cast<std::size_t>(chart.seatCount), TPeople::Free());
    RandomGenerator random;
    random.Seed(1995);
    ComputerFill(chart.seats, biology.roster, random);
    if (!WriteChartFile(path, chart)) {
        std::fprintf(stderr, "make_examples: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: make_examples FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    ClassRecord biology = Biology();
    ClassRecord algebra = AlgebraWeighted();
    ClassRecord empty = Empty();
    const bool ok = Write(biology, folder, "biology.gdr") && Write(algebra, folder, "algebra-weighted.gdr") &&
                    Write(empty, folder, "empty.gdr") && WriteFieldTripGrid(folder) &&
                    WriteBiologyChart(biology, folder);
    return ok ? 0 : 1;
}
