// The quorle executable: the windowed gradebook, or a headless subcommand.
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DecoClient.h"
#include "platform/qt/QtArt.h"
#include "platform/qt/QtFrame.h"
#include "platform/qt/QtPrint.h"
#include "platform/qt/QtUi.h"
#include "resources/Menus.h"

int main(int argc, char** argv) {
    // The subcommands run without a display; only a PDF printout makes its own
    // application object when it needs one.
    if (quorle::IsCommandLineCommand(argc, argv)) {
        quorle::CommandLineServices services;
        services.makePdfDevice = quorle::qt::MakePdfDevice;
        return quorle::RunCommandLine(argc, argv, services, std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(quorle::TDecoApp::kName);
    QApplication::setWindowIcon(QIcon(quorle::qt::MakeAppIcon()));

    bool splash = true;
    if (const char* no = std::getenv("QUORLE_NO_SPLASH"); no && std::strcmp(no, "1") == 0) splash = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-splash")
            splash = false;
        else
            files.push_back(arg);
    }
    if (splash) quorle::qt::ShowSplash(quorle::TDecoApp::kSplashMilliseconds);

    quorle::qt::QtFrame frame(quorle::resources::MainFrameLayout());
    quorle::qt::QtUi ui(&frame);
    ui.SetHelpBooks(quorle::resources::HelpBooks());
    quorle::TDecoClient client(frame, ui);
    frame.SetClient(&client);
    frame.showMaximized();
    for (const auto& file : files) client.OpenClass(file);
    const int status = app.exec();
    frame.SetClient(nullptr);
    return status;
}
