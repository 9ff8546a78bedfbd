#pragma once
// The one application object of the Qt tests, made offscreen on first use.
#include <QApplication>

namespace quorle::qt {

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace quorle::qt
