#pragma once
// The classes opened last, newest first, as the File menu lists them.
#include <string>
#include <vector>

#include "platform/Menu.h"

namespace quorle {

// Puts a class first in the list by its full path: the same file further down
// goes, and so does any class beyond the eighth.
void AddRecentClass(std::vector<std::string>& recent, const std::string& path);
// Takes a class out of the list; false when it was not in it.
bool RemoveRecentClass(std::vector<std::string>& recent, const std::string& path);

// The File menu's list: a separator, then "&1 " + the file's name for each
// class (command kRecentClass + index), its full path as the status hint.
// Nothing for an empty list.
std::vector<platform::MenuItem> RecentClassItems(const std::vector<std::string>& recent);

}  // namespace quorle
