#pragma once
// Menus, accelerators, control-bar buttons and their pictures as plain data.
// The code above the platform builds these from its resources and hands them
// to the frame and to top-level windows; the platform only shows them and
// reports the command id of what the user chose. Texts are Windows-1252.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Geometry.h"

namespace quorle::platform {

struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    int id = 0;                   // commands: the id the window receives
    std::string label;            // commands and popups, "&" before the mnemonic
    std::string hint;             // commands: the status-bar text while highlighted
    std::vector<MenuItem> items;  // popups
    bool checked = false;         // commands: shown with a check mark

    static MenuItem Command(int id, std::string label, std::string hint = {}) {
        return MenuItem{Kind::Command, id, std::move(label), std::move(hint), {}, false};
    }
    static MenuItem Separator() { return MenuItem{Kind::Separator, 0, {}, {}, {}, false}; }
    static MenuItem Popup(std::string label, std::vector<MenuItem> items) {
        return MenuItem{Kind::Popup, 0, std::move(label), {}, std::move(items), false};
    }
};

// A menu bar: its popups, left to right.
using Menu = std::vector<MenuItem>;

// The command item of a menu with this id (searching popups), or nullptr.
const MenuItem* FindCommand(const Menu& menu, int id);

// A key that chooses a command wherever its window has the focus. keys names
// the key in the usual portable form: "F3", "Alt+X", "Ctrl+Shift+P".
struct Accelerator {
    std::string keys;
    int command = 0;
};

// A small picture given pixel by pixel: each character of a row is a pixel,
// coloured by the palette entry of that character; a character that is not in
// the palette is transparent. All rows have the same length.
struct Picture {
    std::vector<std::pair<char, Color>> palette;
    std::vector<std::string> rows;

    int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    int Height() const { return static_cast<int>(rows.size()); }
    bool Empty() const { return rows.empty(); }
};

// One entry of the frame's control bar: a button (command != 0) or a gap of
// separatorWidth pixels with a separator line.
struct ControlBarItem {
    int command = 0;
    std::string tip;   // shown by the button when the mouse rests on it ("Open (F3)")
    std::string hint;  // the status-bar text while the mouse is over it
    Picture picture;
    int separatorWidth = 0;
};

// The command's name as a tip, from its menu label: mnemonics gone, the key
// text some labels carry at their end ("&Open...F3") and the trailing dots
// dropped, and the accelerator's keys, when it has one, set apart in
// brackets: "Open (F3)", "Exit (Alt+X)", "Save as".
std::string CommandTip(std::string_view label, std::string_view keys);

// A menu label as a screen reader names the item: mnemonics gone and, when
// the label ends with the text of its keys ("&Open...F3" with "F3",
// "E&xit...Alt-x" with "Alt+X"), that text dropped: "Open...", "Exit...".
// Whether it was dropped goes to keysInLabel.
std::string MenuItemName(std::string_view label, std::string_view keys, bool* keysInLabel = nullptr);

// What the main frame is given: its menu, accelerators and control bar.
struct FrameLayout {
    Menu menu;
    std::vector<Accelerator> accelerators;
    std::vector<ControlBarItem> controlBar;
};

// Help files by name, as the help commands name them ("quorle.hlp"), and where
// their pages are in the help folder.
struct HelpContentsEntry {
    std::string title;
    std::string page;
};

struct HelpBook {
    std::string file;          // the name the system asks for, any case
    std::string contentsPage;  // the page "contents" opens
    std::string indexPage;     // the page beside the keyword index ("" = none)
    // The table of contents beside the pages (the main book's is shown).
    std::vector<HelpContentsEntry> contents;
};

// The help topics (numbers of the program's help file) that F1 opens for
// what is active: a dialog by its resource id, a class window, or the frame
// with no class open. A top-level window names its own (TopWindow.h); a
// dialog with a "&Help" button answers F1 as that button does.
struct HelpTopics {
    int frame = 0;
    int classWindow = 0;
    std::vector<std::pair<int, int>> dialogs;  // dialog resource id, topic

    // The topic of a dialog; 0 when it has none.
    int Dialog(int dialogId) const {
        for (const auto& [id, topic] : dialogs)
            if (id == dialogId) return topic;
        return 0;
    }
};

}  // namespace quorle::platform
