#pragma once
// Progress reports and warning notices: their print options (QUORLE.PRP and
// QUORLE.WRP), the warning level (quorle.low), the three dialogs and the
// printout TProgressPrint.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "record/FixedText.h"
#include "reports/GradesPrint.h"
#include "reports/ClassHeader.h"
#include "reports/PrintJob.h"
#include "reports/Printout.h"
#include "reports/ReportFont.h"
#include "reports/ProgressTemplate.h"

namespace quorle {

enum class ProgressKind { Progress, Warning };

// "quorle.prg" or "quorle.wrn".
const char* TemplateFileName(ProgressKind kind);
// "Unable to open " and the template's name.
std::string UnableToOpen(const char* fileName);

// The template of a kind from the program directory; nothing when the file
// cannot be read (or is larger than any letter).
std::optional<std::vector<unsigned char>> ReadTemplateFile(const std::string& programDirectory, ProgressKind kind);
bool WriteTemplateFile(const std::string& programDirectory, ProgressKind kind, std::span<const unsigned char> bytes);

// The grades block's choice, 20 ints, 1 for chosen. Index order: 0..5 the
// grades of each category, 6..11 the category averages, 12..17 the category
// points, 18 total points, 19 points possible.
inline constexpr int kProgressOptionCount = 20;
using ProgressOptions = std::array<std::int32_t, kProgressOptionCount>;

// "QUORLE.PRP" or "QUORLE.WRP".
const char* ProgressOptionFileName(ProgressKind kind);
// The leading options from a file's bytes (20 little-endian ints; a short
// file fills only as many as it holds).
void ParseProgressOptions(std::span<const unsigned char> bytes, ProgressOptions& options);
std::vector<unsigned char> SerializeProgressOptions(const ProgressOptions& options);
// Load: all 0 when the file cannot be read. Save: false when it cannot be
// written (nothing is said; the old file stays).
void LoadProgressOptions(const std::string& programDirectory, ProgressKind kind, ProgressOptions& options);
bool SaveProgressOptions(const std::string& programDirectory, ProgressKind kind, const ProgressOptions& options);

// The warning level: a decimal text in a 15-byte field, kept in quorle.low.
inline constexpr const char* kWarningLevelFile = "quorle.low";
using LevelText = FixedText<15>;
LevelText ParseWarningLevel(std::span<const unsigned char> bytes);
std::vector<unsigned char> SerializeWarningLevel(const LevelText& level);
std::optional<LevelText> ReadWarningLevel(const std::string& programDirectory);
bool WriteWarningLevel(const std::string& programDirectory, const LevelText& level);
// The level as a number: the text's leading decimal number, 0 without one.
float WarningLevelValue(const LevelText& level);
// A level a teacher may set: a number from 0 to 100 (digits with at most one
// decimal point), spaces around it allowed. Gives the number's text without
// those spaces, or nothing for anything else.
std::optional<std::string> AcceptedWarningLevel(std::string_view text);
inline constexpr const char* kWarningLevelRefused = "The warning level must be a number from 0 to 100.";
// Nothing to print: nobody below the level, nobody ticked.
inline constexpr const char* kNobodyBelowLevel = "No student is below the level.";
inline constexpr const char* kNobodyChecked = "No student is checked.";

// "Edit Progress or Warning Notice" (dialog 314): the letter in, the edited
// text (with its soft line breaks marked) back on OK.
class TProgressDialog : public platform::Dialog {
public:
    explicit TProgressDialog(std::string& text);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    std::string& text_;
};

// "Progress/Warning Print Options" (dialog 315): the class window's options
// in, 1 for each checked box and 0 for every other back on OK.
class TProgressPrintDialog : public platform::Dialog {
public:
    TProgressPrintDialog(ProgressOptions& options, std::string extra1Name, std::string extra2Name);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    ProgressOptions& options_;
    std::string extra1_;
    std::string extra2_;
};

// "Change Warning Level" (dialog 316): the level text in, the new one back on
// OK. A level that is not a number from 0 to 100 is refused and the dialog
// stays, with the teacher's text.
class TGradeLevelDialog : public platform::Dialog {
public:
    TGradeLevelDialog(platform::Ui& ui, LevelText& level);
    void SetupWindow(platform::DialogHost& host) override;
    bool CanClose(platform::DialogHost& host) override;

private:
    platform::Ui& ui_;
    LevelText& level_;
};

// One page: the student of the top half and the one of the bottom half (the
// same row when the bottom half repeats the top or stays empty).
struct TLetterPage {
    int top = 1;
    int bottom = 1;
    friend bool operator==(const TLetterPage&, const TLetterPage&) = default;
};

class TProgressPrint : public TPrintout {
public:
    // Progress reports go to the rows whose selection box is ticked
    // (selected[row], row 1 on); warning notices to every student whose
    // overall average is below the level. Writes the options of the kind
    // (unless told not to) and reads the template, showing "Unable to open
    // ..." when it cannot.
    TProgressPrint(const ClassRecord& record, const std::vector<bool>& selected, TMyPrinter& printer,
                   platform::Ui& ui, ProgressKind kind, float level, const ProgressOptions& options,
                   KeepOptions keep = KeepOptions::Save);

    void GetPageRange(int& minPage, int& maxPage, int& selFrom, int& selTo) override;
    bool PageExists(int page) override;
    void RenderPage(int page, const platform::Rect& band, unsigned flags) override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    const std::vector<TLetterPage>& Pages() const { return pages_; }
    const TTemplate& Template() const { return template_; }
    // Whether the letter's file could be read (an empty letter prints blank pages).
    bool HasTemplate() const { return hasTemplate_; }

private:
    // One student's letter, taken down from y = 0 for placing.
    LetterRecorder LayOutLetter(const ReportUnits& units, int row);
    void PrintGradesBlock(LetterRecorder& canvas, const ReportUnits& units, int row, int& x, int& y);
    // Prints a letter with its first line at y, going on at the top of a new
    // sheet when it reaches the bottom. False when a new sheet failed.
    bool PlaceLetter(const LetterRecorder& letter, const ReportUnits& units, int y, const platform::FontSpec& font);
    bool NewSheet(const platform::FontSpec& font);

    const ClassRecord& record_;
    TMyPrinter& printer_;
    platform::Ui& ui_;
    ProgressKind kind_;
    float level_;
    ProgressOptions options_;
    ClassInfo info_;
    platform::Date today_;
    TTemplate template_;
    bool hasTemplate_ = false;
    std::vector<TLetterPage> pages_;
};

}  // namespace quorle
