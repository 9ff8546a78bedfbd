#pragma once
// The settings a teacher starts with: shipped as the initial settings files
// beside the program, and used by the sample classes.
#include "record/ClassRecord.h"

namespace quorle {

// Points, no plus and minus steps; A 90, B 80, C 70, D 60; the usual plus and
// minus limits (97 93 90 ... 63 60); weights 25 25 25 25 0 0.
GradingSystem UsualGradingSystem();

// First name, ID, every category's grades and average, total and possible
// points; not the category points.
DisplayFlags UsualDisplayFlags();

}  // namespace quorle
