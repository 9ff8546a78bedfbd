#include "record/ClassFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Text1252.h"
#include "record/Binary.h"
#include "record/FileNames.h"
#include "record/FilesTogether.h"
#include "record/VersionStore.h"

namespace quorle {
namespace {

[[noreturn]] void BadFormat() { throw ClassFileError(kIncorrectFormat); }

template <std::size_t N>
void Text(ByteReader& in, FixedText<N>& out) {
    if (!in.ReadText(out)) BadFormat();
}

void Int(ByteReader& in, std::int32_t& out) {
    if (!in.ReadInt32(out)) BadFormat();
}

// Keeps the version made for a write that went through, drops it for one that
// failed, and tells of a version that could not be kept; returns written.
bool SettleVersion(VersionBeforeWrite& version, bool written) {
    if (written) version.Written();
    else version.Withdraw();
    ReportVersionProblem(version.Problem());
    return written;
}

}  // namespace

ClassFileError::ClassFileError(const std::string& message, const std::string& detail)
    : std::runtime_error(detail.empty() ? message : message + "\n" + detail), message_(message), detail_(detail) {}

std::string ClassFileError::BoxText() const {
    return detail_.empty() ? message_ : message_ + "\n" + platform::Utf8ToCp1252Lossy(detail_);
}

bool HasClassFileMagic(const unsigned char* field) {
    const std::size_t length = strnlen(reinterpret_cast<const char*>(field), 15);
    return std::string_view(reinterpret_cast<const char*>(field), length).find(kMagic) != std::string_view::npos;
}

ClassRecord ParseClassFile(std::span<const unsigned char> bytes) {
    ByteReader in(bytes);
    const unsigned char* magic = nullptr;
    if (!in.ReadBytes(15, magic)) BadFormat();
    if (!HasClassFileMagic(magic)) BadFormat();

    ClassRecord record;
    for (auto& flag : record.display) Int(in, flag);
    Int(in, record.grading.pointsFlag);
    Int(in, record.grading.weightedFlag);
    Int(in, record.grading.plusMinusFlag);
    for (auto& limit : record.grading.limits) Text(in, limit);
    for (auto& limit : record.grading.plusLimits) Text(in, limit);
    for (auto& weight : record.grading.weights) Text(in, weight);
    Text(in, record.info.course);
    Text(in, record.info.instructor);
    Text(in, record.info.period);
    Text(in, record.extra1Name);
    Text(in, record.extra2Name);

    std::int32_t rows = 0;
    Int(in, rows);
    // The roster always holds the Possible Points row; every count is checked
    // against what the remaining bytes can hold before anything is allocated.
    if (rows < 1 || static_cast<std::size_t>(rows) > in.Remaining() / kMinRowSize) BadFormat();
    record.roster.reserve(static_cast<std::size_t>(rows));
    for (std::int32_t r = 0; r < rows; ++r) {
        TStudent& student = record.roster.emplace_back();
        Text(in, student.lastName);
        Text(in, student.firstName);
        Text(in, student.id);
        for (int c = 0; c < kCategoryCount; ++c) {
            std::int32_t count = 0;
            Int(in, count);
            if (count < 0 || static_cast<std::size_t>(count) > in.Remaining() / kEntrySize) BadFormat();
            // Every row carries the same grade items as the Possible Points row;
            // a file that breaks this would show grades under the wrong items.
            if (r > 0 && static_cast<std::size_t>(count) != record.roster.front().scores[c].size()) BadFormat();
            TGradeList& list = student.scores[c];
            list.resize(static_cast<std::size_t>(count));
            for (TGrades& entry : list) {
                Text(in, entry.title);
                if (!in.ReadFloat(entry.value)) BadFormat();
            }
        }
    }
    record.modified = false;
    return record;
}

ClassRecord ReadClassFile(const std::string& path) {
    // A write of the class and its chart that a kill cut short is finished or
    // undone first; reading removes nothing else.
    SettleInterruptedWrite(path);
    FileProblem problem;
    auto bytes = ReadWholeFile(path, kMaxFileBytes, &problem);
    // No class file is that large: a huge or sparse file is not one of ours.
    if (problem.tooLarge) throw ClassFileError(kIncorrectFormat, problem.Text());
    if (!bytes) throw ClassFileError(kFileNotFound, problem.Text());
    try {
        ClassRecord record = ParseClassFile(*bytes);
        record.fileName = path;
        return record;
    } catch (const ClassFileError& error) {
        // The teacher who opens several files at once learns which one it was.
        throw ClassFileError(error.Message(), ShownPath(path));
    }
}

std::size_t ClassFileSize(const ClassRecord& record) {
    std::size_t size = kHeaderSize;
    for (const TStudent& student : record.roster) {
        size += kMinRowSize;
        for (const TGradeList& list : student.scores.lists) size += kEntrySize * list.size();
    }
    return size;
}

FileProblem ClassFileRefusal(const ClassRecord& record, const std::string& path) {
    if (record.roster.empty()) return FileProblem{"The class has no Possible Points row", path};
    const TStudent& possible = record.roster.front();
    for (const TStudent& student : record.roster)
        for (int c = 0; c < kCategoryCount; ++c)
            if (student.scores[c].size() != possible.scores[c].size())
                return FileProblem{"A student's grades do not match the Possible Points row", path};
    if (ClassFileSize(record) > kMaxFileBytes)
        return FileProblem{"The class would be larger than 64 MiB, the most a class file may hold", path};
    return {};
}

bool WriteClassRecord(const std::string& path, const ClassRecord& record, FileProblem* problem) {
    FileProblem refusal = ClassFileRefusal(record, path);
    if (!refusal.Empty()) {
        if (problem) *problem = std::move(refusal);
        return false;
    }
    return WriteClassBytes(path, SerializeClassFile(record), problem);
}

bool WriteClassBytes(const std::string& path, std::span<const unsigned char> bytes, FileProblem* problem) {
    return WriteClassTogether(path, bytes, {}, problem);
}

bool WriteClassTogether(const std::string& classPath, std::span<const unsigned char> classBytes,
                        std::span<const FileToWrite> others, FileProblem* problem) {
    // The bytes about to be replaced are kept as an earlier version first; a
    // version that cannot be kept never stops the save, and a save that fails
    // keeps none.
    VersionBeforeWrite version(classPath);
    bool written = false;
    if (others.empty()) {
        written = WriteFileAtomically(classPath, classBytes, problem);
    } else {
        std::vector<FileToWrite> files{{classPath, classBytes}};
        files.insert(files.end(), others.begin(), others.end());
        written = WriteFilesTogether(files, problem);
    }
    return SettleVersion(version, written);
}

bool RemoveClassFile(const std::string& path, FileProblem* problem) {
    VersionBeforeWrite version(path);
    std::error_code ec;
    std::filesystem::remove(path, ec);  // a file already gone is removed
    if (ec && problem) *problem = ProblemOf(ec.value(), path);
    return SettleVersion(version, !ec);
}

std::vector<unsigned char> SerializeClassFile(const ClassRecord& record) {
    ByteWriter out;
    out.Reserve(ClassFileSize(record));
    FixedText<15> magic(kMagic);
    out.WriteText(magic);
    for (auto flag : record.display) out.WriteInt32(flag);
    out.WriteInt32(record.grading.pointsFlag);
    out.WriteInt32(record.grading.weightedFlag);
    out.WriteInt32(record.grading.plusMinusFlag);
    for (const auto& limit : record.grading.limits) out.WriteText(limit);
    for (const auto& limit : record.grading.plusLimits) out.WriteText(limit);
    for (const auto& weight : record.grading.weights) out.WriteText(weight);
    out.WriteText(record.info.course);
    out.WriteText(record.info.instructor);
    out.WriteText(record.info.period);
    out.WriteText(record.extra1Name);
    out.WriteText(record.extra2Name);
    out.WriteInt32(static_cast<std::int32_t>(record.roster.size()));
    for (const TStudent& student : record.roster) {
        out.WriteText(student.lastName);
        out.WriteText(student.firstName);
        out.WriteText(student.id);
        for (int c = 0; c < kCategoryCount; ++c) {
            const TGradeList& list = student.scores[c];
            out.WriteInt32(static_cast<std::int32_t>(list.size()));
            for (const TGrades& entry : list) {
                out.WriteText(entry.title);
                out.WriteFloat(entry.value);
            }
        }
    }
    return std::move(out.Bytes());
}

std::string NormalizeClassFileName(const std::string& name) { return EnsureExtension(name, kClassFileExtension); }

std::string ShownClassName(const std::string& name) {
    return std::filesystem::path(NormalizeClassFileName(name)).filename().string();
}

bool WriteClassFile(ClassRecord& record, ModifiedFlag flag, FileProblem* problem) {
    record.fileName = NormalizeClassFileName(record.fileName);
    if (record.fileName.empty()) {
        if (problem) *problem = FileProblem{};
        return false;
    }
    if (!WriteClassRecord(record.fileName, record, problem)) return false;
    if (flag == ModifiedFlag::Clear) record.modified = false;
    return true;
}

}  // namespace quorle
