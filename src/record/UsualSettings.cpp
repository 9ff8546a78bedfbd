#include "record/UsualSettings.h"

namespace quorle {

GradingSystem UsualGradingSystem() {
    GradingSystem grading;
    grading.pointsFlag = 1;
    grading.weightedFlag = 0;
    grading.plusMinusFlag = 0;
    const char* plain[] = {"90", "80", "70", "60"};
    const char* plus[] = {"97", "93", "90", "87", "83", "80", "77", "73", "70", "67", "63", "60"};
    const char* weights[] = {"25", "25", "25", "25", "0", "0"};
    for (std::size_t i = 0; i < grading.limits.size(); ++i) grading.limits[i] = plain[i];
    for (std::size_t i = 0; i < grading.plusLimits.size(); ++i) grading.plusLimits[i] = plus[i];
    for (std::size_t i = 0; i < grading.weights.size(); ++i) grading.weights[i] = weights[i];
    return grading;
}

DisplayFlags UsualDisplayFlags() {
    DisplayFlags flags{};
    flags[kShowFirstName] = 1;
    flags[kShowId] = 1;
    for (int c = 0; c < kCategoryCount; ++c) {
        flags[static_cast<std::size_t>(kShowGradesFirst + c)] = 1;
        flags[static_cast<std::size_t>(kShowAverageFirst + c)] = 1;
    }
    flags[kShowTotalPoints] = 1;
    flags[kShowPossiblePoints] = 1;
    return flags;
}

}  // namespace quorle
