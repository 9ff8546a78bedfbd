#include "platform/qt/QtSingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <system_error>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quorle::qt {

namespace {

// What a later start sends: a mark, the count of paths, each path's bytes;
// the running program answers one byte once it has them all.
constexpr quint32 kMark = 0x51524c31;  // "QRL1"
constexpr quint32 kMostFiles = 256;
constexpr qint64 kMostBytes = 1 << 20;
constexpr int kWaitMilliseconds = 3000;

// The paths of a whole message; false while it is not all there yet, or
// (bad set) when it is not a message at all.
bool ReadMessage(const QByteArray& bytes, std::vector<std::string>& paths, bool& bad) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 mark = 0, count = 0;
    in >> mark >> count;
    if (in.status() != QDataStream::Ok) return false;
    if (mark != kMark || count > kMostFiles) {
        bad = true;
        return false;
    }
    paths.clear();
    for (quint32 i = 0; i < count; ++i) {
        QByteArray path;
        in >> path;
        if (in.status() != QDataStream::Ok) return false;
        paths.push_back(path.toStdString());
    }
    return true;
}

// A folder of the user's own that nobody else may enter or change, and not
// a symbolic link to one.
bool IsPrivateFolder(const QByteArray& path) {
    struct stat st {};
    return !path.isEmpty() && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// Where the socket may live; empty when nowhere private is found.
QByteArray PrivateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && IsPrivateFolder(runtime)) return runtime;
    const QByteArray own =
        QFile::encodeName(QDir::tempPath()) + "/quorle-" + QByteArray::number(static_cast<qulonglong>(::geteuid()));
    ::mkdir(own.constData(), 0700);
    return IsPrivateFolder(own) ? own : QByteArray();
}

// Whether the program at the other end of a connected local socket runs as
// this user.
bool PeerIsThisUser(qintptr descriptor) {
    struct ucred peer {};
    socklen_t length = sizeof peer;
    return descriptor >= 0 &&
           ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           length == sizeof peer && peer.uid == ::geteuid();
}

}  // namespace

QtSingleInstance::QtSingleInstance(QObject* parent) : QObject(parent) {}

QtSingleInstance::~QtSingleInstance() = default;

QString QtSingleInstance::Name(const std::string& programDirectory) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(programDirectory.empty() ? "." : programDirectory, error);
    if (error) folder = programDirectory;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(static_cast<qulonglong>(::getuid())) + '\n');
    hash.addData(QGuiApplication::platformName().toUtf8() + '\n');
    hash.addData(qgetenv("DISPLAY") + '\n' + qgetenv("WAYLAND_DISPLAY") + '\n');
    hash.addData(QByteArray::fromStdString(folder.string()));
    const QByteArray place = PrivateFolder();
    if (place.isEmpty()) return {};
    const QByteArray path = place + "/quorle-" + hash.result().toHex().left(24);
    // A socket's path has room for no more.
    if (static_cast<std::size_t>(path.size()) >= sizeof(sockaddr_un::sun_path)) return {};
    return QFile::decodeName(path);
}

bool QtSingleInstance::HandOver(const QString& name, const std::vector<std::string>& files) {
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMilliseconds)) return false;
    if (!PeerIsThisUser(socket.socketDescriptor())) {
        socket.abort();
        return false;
    }
    QByteArray message;
    {
        QDataStream out(&message, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        const quint32 count = static_cast<quint32>(std::min<std::size_t>(files.size(), kMostFiles));
        out << kMark << count;
        for (quint32 i = 0; i < count; ++i) {
            std::error_code error;
            const auto full = std::filesystem::absolute(files[i], error);
            out << QByteArray::fromStdString(error ? files[i] : full.lexically_normal().string());
        }
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(kWaitMilliseconds)) return false;
    // Taken once the running program says so (it may be showing a message box
    // of its own meanwhile; its event loop still answers).
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(kWaitMilliseconds)) return false;
    return socket.read(1) == "1";
}

bool QtSingleInstance::Listen(const QString& name, std::function<void(const std::vector<std::string>&)> open) {
    open_ = std::move(open);
    if (name.isEmpty()) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        // Left behind by a program that ended without tidying up: nobody
        // answered under the name a moment ago.
        QLocalServer::removeServer(name);
        if (!server_->listen(name)) return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] { Accept(); });
    return true;
}

void QtSingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            std::vector<std::string> paths;
            bool bad = false;
            if (buffer->size() > kMostBytes) bad = true;
            const bool whole = !bad && ReadMessage(*buffer, paths, bad);
            if (bad) {
                socket->abort();
                return;
            }
            if (!whole) return;
            buffer->clear();
            socket->write("1");
            socket->flush();
            socket->disconnectFromServer();
            // Opened from the event loop: an opening may show a message box.
            QTimer::singleShot(0, this, [this, paths] {
                if (open_) open_(paths);
            });
        });
    }
}

}  // namespace quorle::qt
