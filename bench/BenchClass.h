#pragma once
// The big classes every benchmark measures with.
#include <string>

#include "record/ClassRecord.h"

namespace quorle::bench {

// A class of `students` students (plus the Possible Points row) and `gradeItems`
// grade items, item k going to category k % 6 (tests, quizzes, homework, labs,
// Extra1, Extra2 in turn), each worth 10 to 100 points and titled "Item k".
// Every student has a value for every item; about one in 50 is omitted and one in
// 40 is a zero. Names are "Student0001".."StudentNNNN" with first name "First" and
// IDs 1 to 999 (repeating). Points method, limits 90/80/70/60 and 97/93/.../60,
// weights 30/20/20/10/10/10, every display flag on, course "Benchmark".
// Always the same class for the same arguments: no clock, a fixed seed.
ClassRecord MakeBenchClass(int students, int gradeItems);

// A fresh folder under /tmp for the files a benchmark writes; it goes, with
// everything in it, when the object does.
struct TempFolder {
    std::string path;
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

}  // namespace quorle::bench
