// The readers of QUORLE.SYS, .NPL, .PLU and .WTS on arbitrary bytes: each
// reads its fields or refuses the file and leaves the settings alone, never
// reading past the end; what it reads is written back as the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "grading/GradingDefaults.h"
#include "record/ClassFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quorle::GradingDefault;
    for (const GradingDefault which : quorle::kGradingDefaultsReadOrder) {
        quorle::GradingSystem grading;
        grading.pointsFlag = 7;
        grading.limits[0] = "x";
        grading.plusLimits[0] = "x";
        grading.weights[0] = "x";
        const quorle::GradingSystem before = grading;
        const std::size_t need = quorle::GradingDefaultSize(which);
        const bool ok = quorle::ParseGradingDefault(which, std::span<const unsigned char>(data, size), grading);
        if (ok != (size >= need)) __builtin_trap();
        if (!ok && (grading.pointsFlag != 7 || !(grading.limits[0] == before.limits[0]) ||
                    !(grading.plusLimits[0] == before.plusLimits[0]) || !(grading.weights[0] == before.weights[0])))
            __builtin_trap();
        if (ok && quorle::SerializeGradingDefault(which, grading).size() != need) __builtin_trap();
    }
    return 0;
}
