#include "platform/qt/QtPrint.h"

// Placeholder until the printer devices are built.
namespace quorle::qt {

std::unique_ptr<platform::PrintDevice> RunPrintDialog(QWidget*, platform::PrintSetup&) { return nullptr; }
std::unique_ptr<platform::PrintDevice> MakeDefaultPrintDevice(const platform::PrintSetup&) { return nullptr; }
std::unique_ptr<platform::PrintDevice> MakePdfDevice(const std::string&, const std::string&) { return nullptr; }

}  // namespace quorle::qt
