#pragma once
// One running program per teacher, display and program directory. The first
// program listens on a local socket named for the three; a later start hands
// its class files to it and ends, instead of making a second frame. Programs
// of other displays or another program directory (a test's temporary folder)
// have other names and never meet. The socket lives in a folder private to
// the teacher, and a class is handed over only between programs of the same
// user: another user's program never hears of it, nor takes one.
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLocalServer;

namespace quorle::qt {

class QtSingleInstance : public QObject {
public:
    explicit QtSingleInstance(QObject* parent = nullptr);
    ~QtSingleInstance() override;

    // The socket's path for this teacher and display (from the environment
    // and the platform plugin) and the program directory, in the teacher's
    // private folder: $XDG_RUNTIME_DIR when it is one (the user's own, not a
    // symbolic link, closed to everybody else), else a folder of the user's
    // own made so in the temporary folder. Empty when neither is private:
    // the program then runs without meeting others.
    static QString Name(const std::string& programDirectory);

    // Hands the files (made full paths) to the program listening under the
    // name; true when one of the same user was there and took them.
    static bool HandOver(const QString& name, const std::vector<std::string>& files);

    // Listens under the name; the files handed over by programs of the same
    // user reach `open`, from the event loop. False when the name could not
    // be taken.
    bool Listen(const QString& name, std::function<void(const std::vector<std::string>&)> open);

private:
    void Accept();

    QLocalServer* server_ = nullptr;
    std::function<void(const std::vector<std::string>&)> open_;
};

}  // namespace quorle::qt
