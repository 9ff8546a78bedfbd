#include "classwin/ClassWindow.h"
#include "classwin/Panes.h"
#include "record/ClassFile.h"

namespace quorle {

bool TDecoChild::ReplaceClassContent(const std::vector<unsigned char>& bytes, const std::string& /*stepName*/) {
    ClassRecord read;
    try {
        read = ParseClassFile(bytes);
    } catch (const ClassFileError& error) {
        GetUi().MessageBox("Error!", error.BoxText(), platform::Buttons::Ok, platform::Icon::Stop);
        return false;
    }
    ClassRecord& record = Record();
    read.fileName = record.fileName;
    read.modified = true;
    record = std::move(read);
    Names().CreateSelectionBoxes();
    Relayout();
    Repaint();
    UpdateCaption();
    WriteNamedClass();
    return true;
}

}  // namespace quorle
