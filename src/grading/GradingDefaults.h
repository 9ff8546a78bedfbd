#pragma once
// The grading system's default files in the program directory, each a bare
// image of its fields in the class file header: QUORLE.SYS (the three flags,
// 12 bytes), QUORLE.NPL (limits A..D, 24), QUORLE.PLU (limits A+..D-, 72) and
// QUORLE.WTS (six weights, 36). And the checks the teacher's entries pass
// before they are kept.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/ClassRecord.h"

namespace quorle {

enum class GradingDefault { System, NoPlusLimits, PlusLimits, Weights };

// The order a new class reads them in.
inline constexpr std::array<GradingDefault, 4> kGradingDefaultsReadOrder = {
    GradingDefault::System, GradingDefault::PlusLimits, GradingDefault::Weights, GradingDefault::NoPlusLimits};

const char* GradingDefaultFileName(GradingDefault which);
std::size_t GradingDefaultSize(GradingDefault which);
std::string GradingDefaultPath(const std::string& programDirectory, GradingDefault which);

// Reads the file's fields into grading. A file too short to hold them leaves
// grading as it was and gives false; bytes after the fields are ignored.
bool ParseGradingDefault(GradingDefault which, std::span<const unsigned char> bytes, GradingSystem& grading);
std::vector<unsigned char> SerializeGradingDefault(GradingDefault which, const GradingSystem& grading);

// The file functions: false (grading or the file left as it was) on failure,
// problem (when given) saying why; the caller shows the message.
bool ReadGradingDefault(const std::string& programDirectory, GradingDefault which, GradingSystem& grading,
                        FileProblem* problem = nullptr);
bool WriteGradingDefault(const std::string& programDirectory, GradingDefault which, const GradingSystem& grading,
                         FileProblem* problem = nullptr);

inline constexpr const char* kWeightsNot100 = "Your weighted grades do not add up to 100 percent!!";
inline constexpr const char* kLimitsNotDescending = "You Grade limits are not in descending order!!";

// The message for weights the class cannot take, or empty: their sum (kept
// in single precision, in category order) must be exactly 100, and a category
// that already has grades must weigh at least 1 (its whole-number part).
std::string WeightsProblem(const ClassRecord& record, const std::array<LimitText, 6>& weights);

// Each limit strictly greater than the next, read as decimal numbers.
bool LimitsDescending(std::span<const LimitText> limits);

}  // namespace quorle
