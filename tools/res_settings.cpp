// Makes the initial settings and template files that ship beside the quorle
// executable: res_settings <program folder> <folder of shipped text files>.
// A file already in the program folder is never replaced: it may hold a
// teacher's own settings.
#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "record/Binary.h"
#include "record/FixedText.h"
#include "record/UsualSettings.h"

namespace {

using quorle::ByteWriter;
using quorle::FixedText;

template <typename Ints>
std::vector<unsigned char> Flags(const Ints& values) {
    ByteWriter out;
    for (const auto v : values) out.WriteInt32(v);
    return out.Bytes();
}

std::vector<unsigned char> Flags(std::initializer_list<std::int32_t> values) {
    return Flags<std::initializer_list<std::int32_t>>(values);
}

template <typename Array>
std::vector<unsigned char> Fields(const Array& fields) {
    ByteWriter out;
    for (const auto& field : fields) out.WriteText(field);
    return out.Bytes();
}

template <std::size_t N>
std::vector<unsigned char> Texts(std::initializer_list<const char*> values) {
    ByteWriter out;
    for (const char* v : values) out.WriteText(FixedText<N>(v));
    return out.Bytes();
}

bool Place(const std::filesystem::path& folder, const std::string& name, const std::vector<unsigned char>& bytes) {
    const auto path = folder / name;
    if (std::filesystem::exists(path)) return true;
    if (!quorle::WriteFileAtomically(path.string(), bytes)) {
        std::cerr << "res_settings: cannot write " << path << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: res_settings PROGRAM_FOLDER SHIPPED_FILES_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path shipped = argv[2];
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    bool ok = true;
    // The usual grading system and columns, as the settings files hold them.
    const quorle::GradingSystem grading = quorle::UsualGradingSystem();
    ok &= Place(folder, "QUORLE.SYS", Flags({grading.pointsFlag, grading.weightedFlag, grading.plusMinusFlag}));
    ok &= Place(folder, "QUORLE.NPL", Fields(grading.limits));
    ok &= Place(folder, "QUORLE.PLU", Fields(grading.plusLimits));
    ok &= Place(folder, "QUORLE.WTS", Fields(grading.weights));
    ok &= Place(folder, "QUORLE.OPT", Flags(quorle::UsualDisplayFlags()));
    // The grades report's Print Display Options: last and first name, the
    // test, quiz, homework and lab averages (with Average and Grade, always
    // printed), in the roster's order. Eight columns: the narrow layout.
    ok &= Place(folder, "QUORLE.POP", Flags({1, 1, 0,              // last name, first name, ID
                                              0, 0, 0, 0, 0, 0,     // the grades of each category
                                              1, 1, 1, 1, 0, 0,     // the category averages
                                              0, 0, 0, 0, 0, 0,     // the category points
                                              0, 0,                 // total and possible points
                                              1, 0}));              // current order, not rank
    // Warning notices go to averages below 70.
    ok &= Place(folder, "quorle.low", Texts<15>({"70"}));

    for (const char* name : {"quorle.prg", "quorle.wrn"}) {
        const auto text = quorle::ReadWholeFile((shipped / name).string());
        if (!text) {
            std::cerr << "res_settings: cannot read " << (shipped / name) << "\n";
            ok = false;
            continue;
        }
        ok &= Place(folder, name, *text);
    }
    return ok ? 0 : 1;
}
