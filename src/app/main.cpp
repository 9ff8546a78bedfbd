// The quorle executable: the windowed gradebook, or a headless subcommand.
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/CommandLine.h"
#include "app/DecoClient.h"
#include "platform/qt/QtArt.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtPrint.h"
#include "platform/qt/QtUi.h"
#include "resources/Menus.h"

int main(int argc, char** argv) {
    // The subcommands, --version and every usage error run without a display;
    // only a PDF printout makes its own application object when it needs one.
    const quorle::StartRequest request = quorle::ReadStartArguments(argc, argv);
    {
        quorle::CommandLineServices services;
        services.makePdfDevice = quorle::qt::MakePdfDevice;
        const bool display = quorle::DisplayAvailable([](const char* name) { return std::getenv(name); });
        const int status = quorle::StartWithoutWindow(request, argc, argv, services, display, std::cout, std::cerr);
        if (status >= 0) return status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(quorle::TDecoApp::kName);
    QApplication::setWindowIcon(QIcon(quorle::qt::MakeAppIcon()));

    bool splash = request.splash;
    if (const char* no = std::getenv("QUORLE_NO_SPLASH"); no && std::strcmp(no, "1") == 0) splash = false;
    if (splash) quorle::qt::ShowSplash(quorle::TDecoApp::kSplashMilliseconds);

    quorle::qt::QtFrame frame(quorle::resources::MainFrameLayout());
    quorle::qt::QtUi ui(&frame);
    ui.SetHelpBooks(quorle::resources::HelpBooks());
    ui.SetHelpTopics(quorle::resources::ContextHelpTopics());
    quorle::TDecoClient client(frame, ui);
    frame.SetClient(&client);
    frame.showMaximized();
    for (const auto& file : request.files) client.OpenClass(file);
    const int status = app.exec();
    frame.SetClient(nullptr);
    return status;
}
