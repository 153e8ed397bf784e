#include "ui/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>

#include "ui/program_texts.h"
#include "ui/user_dialogs.h"

namespace ui {

namespace {

// What a second start sends; anything else a client sends is ignored.
constexpr char kShowRequest[] = "show\n";
constexpr qint64 kLongestRequest = 64;

// A copy that has just taken the lock needs a moment before it listens.
constexpr int kAnswerWaitMs = 3000;
constexpr int kRetryMs = 25;

// Opens whatever stands at path for locking, creating an empty file where nothing does. A folder
// of that name is opened as a folder, and a pipe without waiting for a writer: the lock works on
// anything the system can open, and nothing already there is changed.
int OpenForLocking(const QByteArray& path) {
    // A link is not followed: another user could point it anywhere.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;
    int descriptor = -1;
    do {
        descriptor = ::open(path.constData(), flags | O_CREAT, 0600);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0 && errno == EISDIR) {
        descriptor = ::open(path.constData(), flags | O_DIRECTORY);
    }
    return descriptor;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& lockPath, unsigned owner, QObject* parent)
    : QObject(parent),
      lockPath_(lockPath),
      owner_(owner),
      serverName_(lockPath + QStringLiteral(".socket")) {
    // Only this user may ask the running copy anything.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { readRequest(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstanceLock::~SingleInstanceLock() {
    server_.close();
    if (descriptor_ >= 0) {
        // The file stays: removing it could take the lock from under a copy that opened it.
        ::close(descriptor_);
    }
}

SingleInstanceLock::State SingleInstanceLock::tryAcquire() {
    if (descriptor_ >= 0) {
        return State::kAcquired;
    }
    const int descriptor = OpenForLocking(QFile::encodeName(lockPath_));
    if (descriptor < 0) {
        return State::kUnavailable;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || status.st_uid != owner_) {
        ::close(descriptor);
        return State::kUnavailable;
    }
    int locked = -1;
    do {
        locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(descriptor);
        return heldElsewhere ? State::kHeldElsewhere : State::kUnavailable;
    }
    descriptor_ = descriptor;
    listenForSecondStarts();
    return State::kAcquired;
}

void SingleInstanceLock::listenForSecondStarts() {
    // This copy holds the lock, so a socket left at the name belongs to a copy that has ended.
    QLocalServer::removeServer(serverName_);
    // Should listening fail, the program still runs; second starts then only get the message.
    server_.listen(serverName_);
}

void SingleInstanceLock::readRequest(QLocalSocket* socket) {
    const QByteArray show(kShowRequest);
    const QByteArray request = socket->peek(kLongestRequest);
    if (request.size() < show.size() && show.startsWith(request)) {
        return;  // the rest of the request is still on its way
    }
    if (request.startsWith(show)) {
        emit showRequested();
    }
    socket->disconnectFromServer();
}

bool SingleInstanceLock::askRunningCopyToShow() const {
    const QDeadlineTimer deadline(kAnswerWaitMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        socket.abort();
        QThread::msleep(kRetryMs);
    }
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
    socket.disconnectFromServer();
    return sent;
}

QString SingleInstanceLock::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(
        QStringLiteral("velmora-rashi-chart-east-%1.lock").arg(CurrentUserId()));
}

unsigned SingleInstanceLock::CurrentUserId() {
    return static_cast<unsigned>(::geteuid());
}

bool AcquireSingleInstance(SingleInstanceLock& lock, UserDialogs& dialogs) {
    if (lock.tryAcquire() != SingleInstanceLock::State::kHeldElsewhere) {
        return true;
    }
    dialogs.showMessage(nullptr, ProgramText(kAlreadyRunningMessage), MessageKind::kInformation);
    lock.askRunningCopyToShow();
    return false;
}

}  // namespace ui
