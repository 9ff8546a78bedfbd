#include "record/ClassRecord.h"

#include <stdexcept>
#include <utility>

namespace quorle {

TStudent MakePossiblePointsRow() { return TStudent("Possible", "Points", "    "); }

ClassRecord NewClassRecord() {
    ClassRecord record;
    record.roster.reserve(21);
    record.roster.push_back(MakePossiblePointsRow());
    return record;
}

TStudent& AddStudent(ClassRecord& record, std::string_view last, std::string_view first, std::string_view id) {
    TStudent student(last, first, id);
    if (!record.roster.empty()) {
        const TStudent& possible = record.roster.front();
        for (int c = 0; c < kCategoryCount; ++c) {
            TGradeList& list = student.scores[c];
            list.reserve(possible.scores[c].size());
            for (const TGrades& item : possible.scores[c]) list.push_back(TGrades{kOmitMarker, item.title});
        }
    }
    record.roster.push_back(std::move(student));
    return record.roster.back();
}

void SwapAdjacent(ClassRecord& record, int i) {
    if (i < 1 || i + 1 >= record.RowCount()) throw std::out_of_range("SwapAdjacent");
    TStudent& a = record.Row(i);
    TStudent& b = record.Row(i + 1);
    std::swap(a.lastName, b.lastName);
    std::swap(a.firstName, b.firstName);
    std::swap(a.id, b.id);
    for (int c = 0; c < kCategoryCount; ++c) {
        TGradeList& la = a.scores[c];
        TGradeList& lb = b.scores[c];
        const std::size_t n = std::min(la.size(), lb.size());
        for (std::size_t j = 0; j < n; ++j) std::swap(la[j].value, lb[j].value);
    }
}

void RemoveStudent(ClassRecord& record, int i) {
    if (i < 1 || i >= record.RowCount()) throw std::out_of_range("RemoveStudent");
    record.roster.erase(record.roster.begin() + i);
}

void RemoveGradeColumn(std::vector<TStudent>& rows, int category, int entry) {
    if (entry < 0) return;
    for (TStudent& row : rows) {
        TGradeList& list = row.scores[category];
        if (static_cast<std::size_t>(entry) < list.size()) list.erase(list.begin() + entry);
    }
}

}  // namespace quorle
