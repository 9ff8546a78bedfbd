// The windowed gradebook and the PDF device: the module the quorle executable
// loads when a window or a PDF is wanted (see WindowedModule.h).
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/CommandLine.h"
#include "app/DecoClient.h"
#include "app/UserSettings.h"
#include "app/WindowedModule.h"
#include "platform/ProgramDirectory.h"
#include "platform/qt/QtArt.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtPrint.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtStyle.h"
#include "platform/qt/QtUi.h"
#include "resources/Menus.h"

namespace {

// The frame where it stood when the program last ended, or over the screen.
void ShowFrame(quorle::qt::QtFrame& frame, const std::optional<quorle::FramePlacement>& saved) {
    const QScreen* screen = frame.screen() ? frame.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const auto placed =
        saved ? quorle::PlacementOnScreen(*saved, {area.left(), area.top(), area.right() + 1, area.bottom() + 1})
              : std::nullopt;
    if (!placed) {
        frame.showMaximized();
        return;
    }
    frame.setGeometry(placed->left, placed->top, placed->width, placed->height);
    if (placed->maximized)
        frame.showMaximized();
    else
        frame.show();
}

}  // namespace

// A PDF device giving the file's bytes to the sink (a PDF printout makes its
// own application object when it needs one).
extern "C" quorle::platform::PrintDevice* quorle_make_pdf_device(quorle::PdfBytesSink sink,
                                                                 const std::string& pageSize) {
    return quorle::qt::MakePdfDevice(std::move(sink), pageSize).release();
}

// The windowed program, for the arguments that asked for a window.
extern "C" int quorle_run_windowed(int argc, char** argv) {
    const quorle::StartRequest request = quorle::ReadStartArguments(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(quorle::TDecoApp::kName);
    QApplication::setWindowIcon(QIcon(quorle::qt::MakeAppIcon()));
    quorle::qt::InstallQuorleStyle();

    // A program already running for this teacher, display and program
    // directory takes the classes (or just comes forward) instead.
    const QString meeting = quorle::qt::QtSingleInstance::Name(quorle::platform::FindProgramDirectory());
    if (quorle::qt::QtSingleInstance::HandOver(meeting, request.files)) return 0;
    // From here on, this is the program later starts meet; what they hand
    // over before the frame is up waits for it.
    quorle::qt::QtFrame* shown = nullptr;
    quorle::TDecoClient* opener = nullptr;
    std::vector<std::string> waiting;
    quorle::qt::QtSingleInstance instance;
    instance.Listen(meeting, [&](const std::vector<std::string>& files) {
        if (!opener) {
            waiting.insert(waiting.end(), files.begin(), files.end());
            return;
        }
        if (shown->isMinimized()) shown->showNormal();
        shown->raise();
        shown->activateWindow();
        opener->OpenFiles(files);
    });

    bool splash = request.splash;
    if (const char* no = std::getenv("QUORLE_NO_SPLASH"); no && std::strcmp(no, "1") == 0) splash = false;
    if (splash) quorle::qt::ShowSplash(quorle::TDecoApp::kSplashMilliseconds);

    const std::string settingsPath = quorle::UserSettingsPath(quorle::platform::UserSettingsDirectory());
    quorle::qt::QtFrame frame(quorle::resources::MainFrameLayout());
    quorle::qt::QtUi ui(&frame);
    ui.SetHelpBooks(quorle::resources::HelpBooks());
    ui.SetHelpTopics(quorle::resources::ContextHelpTopics());
    quorle::TDecoClient client(frame, ui);
    frame.SetClient(&client);
    client.KeepSettingsIn(settingsPath);
    ShowFrame(frame, quorle::ReadUserSettings(settingsPath).frame);
    for (const auto& file : request.files) client.OpenClass(file);
    client.OpenFiles(waiting);
    shown = &frame;
    opener = &client;
    const int status = app.exec();
    opener = nullptr;
    frame.SetClient(nullptr);

    // Where the frame stood, for the next start (the recent classes as the
    // client last wrote them).
    quorle::UserSettings settings = quorle::ReadUserSettings(settingsPath);
    const QRect normal = frame.normalGeometry();
    settings.frame = quorle::FramePlacement{normal.left(), normal.top(), normal.width(), normal.height(),
                                            frame.isMaximized()};
    quorle::WriteUserSettings(settingsPath, settings);
    return status;
}
