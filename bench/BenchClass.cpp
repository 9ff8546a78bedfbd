#include "BenchClass.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "record/UsualSettings.h"
#include "record/Random.h"

namespace quorle::bench {

ClassRecord MakeBenchClass(int students, int gradeItems) {
    ClassRecord record = NewClassRecord();
    record.info.course = "Benchmark";
    record.info.instructor = "Bench Mark";
    record.info.period = "1";
    record.grading = UsualGradingSystem();
    const char* weights[] = {"30", "20", "20", "10", "10", "10"};
    for (std::size_t i = 0; i < 6; ++i) record.grading.weights[i] = weights[i];
    record.display.fill(1);

    RandomGenerator random;
    random.Seed(12345u);
    for (int k = 0; k < gradeItems; ++k) {
        TGrades item;
        item.title = "Item " + std::to_string(k + 1);
        item.value = static_cast<float>(10 + random.Next() % 91);
        record.Row(0).scores[k % kCategoryCount].push_back(item);
    }
    record.roster.reserve(static_cast<std::size_t>(students) + 1);
    for (int s = 1; s <= students; ++s) {
        char name[16];
        std::snprintf(name, sizeof name, "Student%04d", s % 10000);
        TStudent& student = AddStudent(record, name, "First", std::to_string((s - 1) % 999 + 1));
        const TStudent& possible = record.Row(0);
        for (int c = 0; c < kCategoryCount; ++c)
            for (std::size_t j = 0; j < possible.scores[c].size(); ++j) {
                const std::uint32_t draw = random.Next();
                float value = possible.scores[c][j].value * static_cast<float>(40 + draw % 61) / 100.0f;
                if (draw % 50 == 7) value = kOmitMarker;
                else if (draw % 40 == 3) value = 0.0f;
                student.scores[c][j].value = value;
            }
    }
    return record;
}

TempFolder::TempFolder() {
    char pattern[] = "/tmp/quorle-bench-XXXXXX";
    if (!::mkdtemp(pattern)) std::abort();
    path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

}  // namespace quorle::bench
