#include "grading/GradingDefaults.h"

#include "grading/DisplayOptions.h"
#include "record/Binary.h"
#include "record/DecimalText.h"

namespace quorle {

const char* GradingDefaultFileName(GradingDefault which) {
    switch (which) {
        case GradingDefault::System: return "QUORLE.SYS";
        case GradingDefault::NoPlusLimits: return "QUORLE.NPL";
        case GradingDefault::PlusLimits: return "QUORLE.PLU";
        case GradingDefault::Weights: return "QUORLE.WTS";
    }
    return "";
}

std::size_t GradingDefaultSize(GradingDefault which) {
    switch (which) {
        case GradingDefault::System: return 12;
        case GradingDefault::NoPlusLimits: return 4 * LimitText::kSize;
        case GradingDefault::PlusLimits: return 12 * LimitText::kSize;
        case GradingDefault::Weights: return 6 * LimitText::kSize;
    }
    return 0;
}

std::string GradingDefaultPath(const std::string& programDirectory, GradingDefault which) {
    return ProgramFilePath(programDirectory, GradingDefaultFileName(which));
}

namespace {

template <std::size_t N>
bool ReadFields(ByteReader& in, std::array<LimitText, N>& fields) {
    std::array<LimitText, N> read;
    for (auto& field : read)
        if (!in.ReadText(field)) return false;
    fields = read;
    return true;
}

}  // namespace

bool ParseGradingDefault(GradingDefault which, std::span<const unsigned char> bytes, GradingSystem& grading) {
    ByteReader in(bytes);
    switch (which) {
        case GradingDefault::System: {
            std::int32_t flags[3] = {};
            for (auto& flag : flags)
                if (!in.ReadInt32(flag)) return false;
            grading.pointsFlag = flags[0];
            grading.weightedFlag = flags[1];
            grading.plusMinusFlag = flags[2];
            return true;
        }
        case GradingDefault::NoPlusLimits: return ReadFields(in, grading.limits);
        case GradingDefault::PlusLimits: return ReadFields(in, grading.plusLimits);
        case GradingDefault::Weights: return ReadFields(in, grading.weights);
    }
    return false;
}

std::vector<unsigned char> SerializeGradingDefault(GradingDefault which, const GradingSystem& grading) {
    ByteWriter out;
    out.Reserve(GradingDefaultSize(which));
    const auto fields = [&out](const auto& array) {
        for (const auto& field : array) out.WriteText(field);
    };
    switch (which) {
        case GradingDefault::System:
            out.WriteInt32(grading.pointsFlag);
            out.WriteInt32(grading.weightedFlag);
            out.WriteInt32(grading.plusMinusFlag);
            break;
        case GradingDefault::NoPlusLimits: fields(grading.limits); break;
        case GradingDefault::PlusLimits: fields(grading.plusLimits); break;
        case GradingDefault::Weights: fields(grading.weights); break;
    }
    return std::move(out.Bytes());
}

bool ReadGradingDefault(const std::string& programDirectory, GradingDefault which, GradingSystem& grading,
                        FileProblem* problem) {
    const std::string path = GradingDefaultPath(programDirectory, which);
    const auto bytes = ReadWholeFile(path, kMaxFileBytes, problem);
    if (!bytes) return false;
    if (ParseGradingDefault(which, *bytes, grading)) return true;
    if (problem) *problem = FileProblem{kSettingsFileTooShort, path};
    return false;
}

bool WriteGradingDefault(const std::string& programDirectory, GradingDefault which, const GradingSystem& grading,
                         FileProblem* problem) {
    return WriteFileAtomically(GradingDefaultPath(programDirectory, which), SerializeGradingDefault(which, grading),
                               problem);
}

std::string WeightsProblem(const ClassRecord& record, const std::array<LimitText, 6>& weights) {
    float sum = 0.0f;
    for (const LimitText& weight : weights) sum = static_cast<float>(static_cast<double>(sum) + TextToDouble(weight.View()));
    if (sum != 100.0f) return kWeightsNot100;
    static const char* const kNamed[] = {"tests", "quizzes", "homework", "labs"};
    static const char* const kGrades[] = {"test", "quiz", "homework", "lab"};
    for (int c = 0; c < kCategoryCount; ++c) {
        if (TextToInt(weights[static_cast<std::size_t>(c)].View()) != 0) continue;
        if (record.roster.empty() || record.PossibleRow().scores[c].empty()) continue;
        const std::string name = c < kExtra1 ? kNamed[c] : record.ExtraName(c);
        const std::string grades = c < kExtra1 ? kGrades[c] : record.ExtraName(c);
        return "Your must weigh " + name + " more than 0 % since " + grades + " grades exist!!";
    }
    return {};
}

bool LimitsDescending(std::span<const LimitText> limits) {
    for (std::size_t i = 0; i + 1 < limits.size(); ++i)
        if (!(TextToDouble(limits[i].View()) > TextToDouble(limits[i + 1].View()))) return false;
    return true;
}

}  // namespace quorle
