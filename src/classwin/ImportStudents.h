#pragma once
// Edit > Import Students: the students of a CSV roster added to the class as
// Add Students adds them, all of them or none.
#include <optional>
#include <vector>

namespace quorle {

namespace platform {
class Ui;
}
class TDecoChild;

inline constexpr const char* kRosterFileFilter = "Roster Files (*.csv)|*.csv;*.CSV|";
inline constexpr const char* kImportNothingAdded = "No students were added.";
inline constexpr const char* kImportIdsInUse =
    "Some students were given an ID number that another class in this folder already uses.";

// The open-file dialog for a CSV file (its title and filter), then the file
// read whole; a file that cannot be read shows why. Nothing on Cancel or failure.
std::optional<std::vector<unsigned char>> AskAndReadCsv(platform::Ui& ui, const char* title, const char* filter);

// Asks for the roster file; a roster that cannot be read or taken whole shows
// why (its line) and changes nothing. Otherwise every student is appended
// (every existing grade omitted) and seated in the class's chart, the class
// and its chart written together, and each student given a selection box.
// A class or chart that cannot be read or written shows why and adds nobody.
void ImportStudentsCommand(TDecoChild& window);

}  // namespace quorle
