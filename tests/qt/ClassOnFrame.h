#pragma once
// A real frame and its client with a copy of a sample class open in it (in a
// folder of the test's own: a class open in one program is locked for
// another), the frame shown and made the active window.
#include <QApplication>
#include <QSize>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "QtTestApp.h"
#include "app/DecoClient.h"
#include "classwin/ClassWindow.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtUi.h"
#include "resources/Menus.h"
#include "support/TempDir.h"

namespace quorle::qt {

struct ClassOnFrame {
    // The files are copied from the samples; the first is opened. A valid
    // size is the frame's.
    explicit ClassOnFrame(const std::vector<std::string>& files = {"biology.gdr"}, QSize size = QSize()) {
        for (const std::string& file : files)
            std::filesystem::copy_file(std::string(QUORLE_EXAMPLES_DIR) + "/" + file, dir.File(file));
        frame.SetClient(&client);
        if (size.isValid()) frame.resize(size);
        frame.show();
        if (client.OpenClass(dir.File(files.front())) && !frame.Children().empty())
            child = dynamic_cast<TDecoChild*>(frame.Children().front());
        QApplication::setActiveWindow(&frame);
        active = QTest::qWaitForWindowActive(&frame);
        QApplication::processEvents();
    }
    ~ClassOnFrame() { frame.SetClient(nullptr); }
    ClassOnFrame(const ClassOnFrame&) = delete;
    ClassOnFrame& operator=(const ClassOnFrame&) = delete;

    QApplication& app = TestApp();  // before any widget
    testing::TempDir dir;
    QtFrame frame{resources::MainFrameLayout()};
    QtUi ui{&frame};
    TDecoClient client{frame, ui};
    TDecoChild* child = nullptr;  // the class window, once open
    bool active = false;          // the frame became the active window
};

}  // namespace quorle::qt
