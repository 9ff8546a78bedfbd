// The class picture of the sample classes against the figures quorle show
// prints for them, and quorle print picture through the command line's entry
// and through the program itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "app/CommandLine.h"
#include "app/RunWords.h"
#include "classwin/ClassPicture.h"
#include "classwin/PicturePlots.h"
#include "record/ClassFile.h"
#include "reports/ReportFixtures.h"
#include "support/TempDir.h"

namespace quorle::testing {
namespace {

std::vector<std::string> Split(const std::string& line, char by) {
    std::vector<std::string> parts;
    std::stringstream in(line);
    for (std::string part; std::getline(in, part, by);) parts.push_back(part);
    return parts;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What quorle show prints of a class: each student's letter and the band his
// shown average falls in (figured here from the text: 5 points a band, 100.00
// in the top one, more than 100 above it), and the class average.
struct Shown {
    std::map<std::string, std::string> letters;  // letter -> count
    std::map<int, std::string> bands;             // band -> count
    std::string classAverage;
};

Shown ShowOf(const std::string& file) {
    std::string out, err;
    EXPECT_EQ(RunWords({"show", file}, out, err), 0) << err;
    std::stringstream lines(out);
    std::string line;
    std::getline(lines, line);
    const auto heads = Split(line, '\t');
    const auto column = [&](const std::string& name) {
        return static_cast<std::size_t>(std::find(heads.begin(), heads.end(), name) - heads.begin());
    };
    const std::size_t average = column("Average"), grade = column("Grade");
    std::map<std::string, int> letters;
    std::map<int, int> bands;
    Shown shown;
    std::getline(lines, line);  // the Possible Points row
    while (std::getline(lines, line) && !line.empty()) {
        const auto cells = Split(line, '\t');
        ++letters[Trim(cells.at(grade))];
        const std::string text = Trim(cells.at(average));
        const auto point = text.find('.');
        const int hundredths = std::stoi(text.substr(0, point)) * 100 + std::stoi(text.substr(point + 1));
        ++bands[hundredths > 10000 ? 20 : hundredths == 10000 ? 19 : hundredths / 500];
    }
    while (std::getline(lines, line))
        if (line.rfind("Class Average\t", 0) == 0) shown.classAverage = Trim(line.substr(14));
    for (const auto& [letter, n] : letters) shown.letters[letter] = std::to_string(n);
    for (const auto& [band, n] : bands) shown.bands[band] = std::to_string(n);
    return shown;
}

TEST(ClassPictureOfTheSamples, BarsCountWhatQuorleShowShows) {
    const struct {
        const char* file;
        std::vector<std::string> letters;
    } samples[] = {
        {"biology.gdr", {"A", "B", "C", "D", "F"}},
        {"algebra-weighted.gdr", {"A+", "A", "A-", "B+", "B", "B-", "C+", "C", "C-", "D+", "D", "D-", "F"}},
        {"empty.gdr", {"A", "B", "C", "D", "F"}},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.file);
        const std::string path = std::string(QUORLE_EXAMPLES_DIR) + "/" + sample.file;
        const Shown shown = ShowOf(path);
        EXPECT_EQ(shown.bands.empty(), std::string(sample.file) == "empty.gdr");
        const ClassRecord record = ReadClassFile(path);
        for (const Size area : {Size{800, 600}, Size{1200, 900}}) {
            RecordingCanvas canvas(area.cx, area.cy);
            PaintClassPicture(canvas, record, area, false);
            const ReadPicture read = ReadClassPicture(canvas);
            EXPECT_EQ(read.letters, sample.letters);
            for (const auto& letter : sample.letters) {
                const auto it = shown.letters.find(letter);
                EXPECT_EQ(read.letterCount.at(letter), it == shown.letters.end() ? "0" : it->second) << letter;
            }
            EXPECT_EQ(read.bandCount, shown.bands);
            // Each bar's height is its count's share of the largest count's.
            ExpectHeightsFollowCounts(read.letterHeight, read.letterCount);
            ExpectHeightsFollowCounts(read.bandHeight, read.bandCount);
            if (shown.bands.empty()) {
                EXPECT_FALSE(read.averageLabel.has_value());
            } else {
                ASSERT_TRUE(read.averageLabel.has_value());
                EXPECT_EQ(read.averageLabel->text, "Class Average " + shown.classAverage);
            }
        }
    }
}

// ------------------------------------------------------------------ the command

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The command line run as `quorle WORDS…` runs it, onto a recording PDF device.
int RunOnDevice(std::vector<std::string> words, RecordingPrintDevice& device, std::string& out, std::string& err) {
    words.insert(words.begin(), "quorle");
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    CommandLineServices services;
    services.makePdfDevice = [&device](PdfBytesSink, const std::string&) -> std::unique_ptr<platform::PrintDevice> {
        return std::make_unique<WatchedDevice>(device, nullptr);
    };
    std::ostringstream o, e;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), services, o, e);
    out = o.str();
    err = e.str();
    return status;
}

TEST(PrintPicture, ThePictureOnOnePageAndTheUsualUsageErrors) {
    TempDir dir;
    const std::string biology = std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr";
    const std::string pdf = dir.File("picture.pdf");
    const std::string usage = "Usage: quorle print REPORT CLASS.gdr -o OUT.pdf [options]  (quorle print --help)\n";
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"print", "picture", biology, "-o", pdf}, 0, ""},
        {{"print", "picture", biology, "-o", pdf, "--page-size", "A4"}, 0, ""},
        {{"print", "picture"}, 2, "quorle print: name the class file\n" + usage},
        {{"print", "picture", biology}, 2, "quorle print: name the PDF file to write with -o\n" + usage},
        {{"print", "picture", biology, biology, "-o", pdf}, 2, "quorle print: one class file at a time\n" + usage},
        {{"print", "picture", biology, "-o", pdf, "--rank"}, 2,
         "quorle print: --columns, --rank, --current, --last-test and --last-quiz belong to the grades report\n" + usage},
        {{"print", "picture", biology, "-o", pdf, "--wide"}, 2, "quorle print: unknown option --wide\n" + usage},
        {{"print", "pictures", biology, "-o", pdf}, 2,
         "quorle print: unknown report 'pictures' (grades, makeup, progress, warning, random, names, sheets, "
         "attendance, seating, picture or grid)\n" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.words));
        RecordingPrintDevice device;
        std::string out, err;
        EXPECT_EQ(RunOnDevice(c.words, device, out, err), c.status);
        EXPECT_EQ(err, c.err);
        if (c.status != 0) {
            EXPECT_TRUE(device.pages.empty());
            continue;
        }
        EXPECT_EQ(out, pdf + ": 1 page\n");
        ASSERT_EQ(device.pages.size(), 1u);
        EXPECT_EQ(device.documents, std::vector<std::string>{"Class Picture"});
        EXPECT_NE(FindOn(device.pages[0], "Class Picture - Biology, Period 3"), nullptr);
        EXPECT_NE(FindOn(device.pages[0], "Class Average 74.31"), nullptr);
    }
    // The usage names the report.
    std::string out, err;
    EXPECT_EQ(RunWords({"print", "--help"}, out, err), 0);
    EXPECT_NE(out.find("  picture         the class picture on one page"), std::string::npos) << out;
}

TEST(PrintPicture, TheProgramWritesThePdf) {
#ifndef QUORLE_EXE
    GTEST_SKIP() << "built without the windowed program";
#else
    TempDir dir;
    const std::string biology = std::string(QUORLE_EXAMPLES_DIR) + "/biology.gdr";
    const std::string pdf = dir.File("picture.pdf");
    // A sanitizer build keeps its watch on the program, not on the system's
    // font library, whose caches live as long as the process.
    std::ofstream(dir.File("leaks.supp")) << "leak:libfontconfig\n";
    const auto run = [&](const std::string& words) {
        const std::string command = "QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions='" + dir.File("leaks.supp") +
                                    "' '" + QUORLE_EXE + "' " + words + " >'" +
                                    dir.File("out.txt") + "' 2>'" + dir.File("err.txt") + "' </dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("print picture '" + biology + "' -o '" + pdf + "'"), 0) << ReadText(dir.File("err.txt"));
    EXPECT_EQ(ReadText(dir.File("out.txt")), pdf + ": 1 page\n");
    EXPECT_EQ(ReadText(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(run("print picture '" + biology + "'"), 2);
    EXPECT_EQ(ReadText(dir.File("err.txt")).substr(0, 50), "quorle print: name the PDF file to write with -o\nU");
#endif
}

}  // namespace
}  // namespace quorle::testing
