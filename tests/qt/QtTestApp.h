#pragma once
// The one application object of the Qt tests, made offscreen on first use.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <memory>

namespace quorle::qt {

// A copy of a sample class (with its chart, if it has one) in a folder of
// this test program's own, so that test programs running side by side never
// open the same class: a class open in one program is refused in another.
inline std::string SampleClass(const std::string& name) {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "quorle-samples-XXXXXX").string();
        const char* made = ::mkdtemp(pattern.data());
        static struct Remover {
            fs::path path;
            ~Remover() { std::error_code ec; fs::remove_all(path, ec); }
        } remover{made ? fs::path(made) : fs::path()};
        return remover.path;
    }();
    const fs::path from = fs::path(QUORLE_EXAMPLES_DIR) / name;
    const fs::path to = folder / name;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    fs::path chart = from;
    chart.replace_extension(".CHT");
    if (fs::exists(chart)) fs::copy_file(chart, folder / chart.filename(), fs::copy_options::overwrite_existing);
    return to.string();
}

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Works the modal window that comes up next, once it is there, and again on
// each tick while that same window stays up (a dialog may not take the first
// try); gives up by rejecting it after a few seconds so no test can hang.
inline void WhenModalAppears(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    auto target = std::make_shared<QPointer<QWidget>>();
    auto acted = std::make_shared<bool>(false);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, target, acted, ticks] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool up = modal && modal->isVisible();
        if (*acted && (!up || modal != target->data())) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (!up) return;
        if (++*ticks > 250) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            return;
        }
        *target = modal;
        *acted = true;
        act(modal);
    });
    timer->start();
}

}  // namespace quorle::qt
