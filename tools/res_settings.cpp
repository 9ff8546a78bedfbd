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

namespace {

using quorle::ByteWriter;
using quorle::FixedText;

std::vector<unsigned char> Flags(std::initializer_list<std::int32_t> values) {
    ByteWriter out;
    for (const auto v : values) out.WriteInt32(v);
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
    // Grading by points, no weighting, no plus and minus steps.
    ok &= Place(folder, "QUORLE.SYS", Flags({1, 0, 0}));
    ok &= Place(folder, "QUORLE.NPL", Texts<6>({"90", "80", "70", "60"}));
    ok &= Place(folder, "QUORLE.PLU", Texts<6>({"97", "93", "90", "87", "83", "80", "77", "73", "70", "67", "63", "60"}));
    ok &= Place(folder, "QUORLE.WTS", Texts<6>({"25", "25", "25", "25", "0", "0"}));
    // First name, ID, every category's grades and averages, total and possible
    // points; not the category points.
    ok &= Place(folder, "QUORLE.OPT",
                Flags({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1}));
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
