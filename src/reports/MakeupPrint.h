#pragma once
// The makeup work report: for every student, the titles of the grades still
// owed (stored value exactly 0), or "All work completed!".
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "record/ClassRecord.h"
#include "reports/ClassHeader.h"
#include "reports/PageRecords.h"
#include "reports/PrintJob.h"
#include "reports/ReportFont.h"

namespace quorle {

// A grade entry still owed: its value compares equal to 0 (the omit marker and
// every other value are not).
bool IsMissingWork(float value);
int MissingWorkCount(const TStudent& student);

class TMakeupPrint : public TCountedPrintout {
public:
    // The roster is read, not copied: it must outlive the printout and stay
    // unchanged while the job runs (the class window is disabled meanwhile).
    TMakeupPrint(std::string title, const ClassRecord& record, TMyPrinter& printer, platform::Ui& ui);

    // 1 + the missing entries / 8: seven titles share the line with the names,
    // eight fill each further line.
    static int LineCost(int missingCount);

protected:
    void PrintPage(platform::PrintDevice& device, const TStart& record, bool lastOfJob) override;

private:
    const std::vector<TStudent>& roster_;
    ClassInfo info_;
    platform::Date today_;
    int mostMissing_ = 0;  // missing-work entries of the student with the most
};

}  // namespace quorle
