#pragma once
// The order of names: last name, then first name, the letters a to z read as
// capitals and compared as a reader of a class list expects (accented letters
// with their base letter, hyphens and apostrophes ignored, then the exact
// characters to break a tie).
#include <string_view>
#include <vector>

#include "record/ClassRecord.h"

namespace quorle {

// Negative, zero or positive as name a sorts before, with or after name b.
int CompareNames(std::string_view a, std::string_view b);

// Whether row a sorts after row b: last names decide, first names break a tie.
bool SortsAfter(const TStudent& a, const TStudent& b);

// Sorts rows 1..n-1 by name, keeping the order of equal names; the Possible
// Points row stays first. Names, IDs and every value move with the student.
// Gives, for every row of the sorted roster, the row it was before.
std::vector<int> AlphabetizeRoster(ClassRecord& record);

}  // namespace quorle
