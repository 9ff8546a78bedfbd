#pragma once
// File > Earlier Versions...: the versions the program kept of the class at
// earlier saves, newest first with their date and what changed; one of them
// opened in a window of its own or restored as the class's content.
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "record/ClassRecord.h"

namespace quorle {

class TDecoChild;

// The dialog: the list, Open (its OK), Restore and Close. It ends on Open or
// Restore with the chosen line.
class TEarlierVersionsDialog : public platform::Dialog {
public:
    enum class Choice { None, Open, Restore };

    // shownName: the class's file name; lines: one per version, newest first.
    TEarlierVersionsDialog(std::string shownName, std::vector<std::string> lines);

    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;
    void Clicked(platform::DialogHost& host, int id) override;
    void SelectionChanged(platform::DialogHost& host, int id) override;

    Choice Chosen() const { return choice_; }
    int ChosenLine() const { return line_; }

private:
    void EnableButtons(platform::DialogHost& host) const;

    std::string shownName_;
    std::vector<std::string> lines_;
    Choice choice_ = Choice::None;
    int line_ = -1;
};

// The caption of a window showing an earlier version: the class's caption
// with, in place of its file name, "Version of NAME saved DATE TIME".
std::string VersionCaption(const ClassRecord& version, const std::string& shownName, const std::string& when);

// Runs File > Earlier Versions... for the class window. Open hands the
// version, unnamed, its caption and the class's file name as shown to
// openVersion (which shows it, read-only, in a new window); Restore, once confirmed, makes it
// the class's content through ReplaceClassContent.
void EarlierVersionsCommand(TDecoChild& window,
                            const std::function<void(ClassRecord version, const std::string& caption,
                                                     const std::string& shownName)>& openVersion);

}  // namespace quorle
