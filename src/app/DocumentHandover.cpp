#include "app/DocumentHandover.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zirn {

namespace {

const QString kObjectPath = QStringLiteral("/org/zirn/PDFWriter/Documents");
const QString kInterface = QStringLiteral("org.zirn.PDFWriter.Documents");
constexpr qint32 kMaxPath = 64 * 1024;

// The object on the bus: AddDocument(s path) -> b, heard only from the user's own processes.
class DocumentReceiver : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zirn.PDFWriter.Documents")

public:
    explicit DocumentReceiver(DocumentHandover& handover) : QObject(&handover), m_handover(handover) {}

public slots:
    Q_SCRIPTABLE bool AddDocument(const QString& path)
    {
        const QDBusReply<uint> caller = connection().interface()->serviceUid(message().service());
        if (caller.isValid() && m_handover.acceptFrom(caller.value(), path))
            return true;
        if (!caller.isValid() || caller.value() != ::getuid())
            sendErrorReply(QDBusError::AccessDenied,
                           QStringLiteral("Only the user's own programs hand over documents."));
        return false;
    }

private:
    DocumentHandover& m_handover;
};

std::optional<uid_t> peerUser(int socket)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return std::nullopt;
    return credentials.uid;
}

bool socketAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || static_cast<size_t>(encoded.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, encoded.constData(), static_cast<size_t>(encoded.size()));
    return true;
}

// A new stream socket connected to path, or -1 with errno.
int connectTo(const QString& path, bool nonBlocking)
{
    sockaddr_un address{};
    if (!socketAddress(path, address))
        return errno = ENAMETOOLONG, -1;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | (nonBlocking ? SOCK_NONBLOCK : 0), 0);
    if (socket < 0)
        return -1;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(socket);
        return errno = error, -1;
    }
    return socket;
}

// The folder of the socket and its lock in the runtime folder: made the user's alone, and used
// only when it is a folder of the user's that nobody else may enter.
QString privateFolder(const QString& runtimeFolder)
{
    if (runtimeFolder.isEmpty())
        return {};
    const QString folder = runtimeFolder + QStringLiteral("/org.zirn.PDFWriter");
    const QByteArray encoded = QFile::encodeName(folder);
    ::mkdir(encoded.constData(), 0700);
    struct stat info
    {};
    if (::lstat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0)
        return {};
    return folder;
}

} // namespace

// Claiming, taking over a stale socket and giving it up happen one process at a time.
struct DocumentHandover::SocketLock
{
    explicit SocketLock(const QString& socketPath)
    {
        fd = ::open(QFile::encodeName(socketPath + QStringLiteral(".lock")).constData(),
                    O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        // Held for moments only; a holder that is stopped cannot keep the others waiting.
        for (int waited = 0; fd >= 0 && !held && waited < 2000; waited += 20) {
            held = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (!held)
                ::usleep(20000);
        }
    }
    ~SocketLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
    bool held = false;
};

DocumentHandover::Config DocumentHandover::Config::standard()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY"), x11 = qEnvironmentVariable("DISPLAY");
    return {std::nullopt, qEnvironmentVariable("XDG_RUNTIME_DIR"),
            !wayland.isEmpty() ? QStringLiteral("wayland:") + wayland
            : !x11.isEmpty()   ? QStringLiteral("x11:") + x11
                               : QString()};
}

DocumentHandover::DocumentHandover(Config config, QObject* parent)
    : QObject(parent), m_config(std::move(config))
{
    if (m_config.busAddress && !m_config.busAddress->isEmpty()) {
        m_connectionName = QStringLiteral("zirn-handover-%1").arg(reinterpret_cast<quintptr>(this));
        QDBusConnection::connectToBus(*m_config.busAddress, m_connectionName);
    }
}

DocumentHandover::~DocumentHandover()
{
    release();
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

QString DocumentHandover::serviceName() const
{
    // One user bus may serve several sessions: the display is part of the name. A hash keeps
    // the name valid whatever the display's name holds.
    const QByteArray hash = QCryptographicHash::hash(m_config.display.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("org.zirn.PDFWriter.Documents.d") + QString::fromLatin1(hash.toHex().left(16));
}

QString DocumentHandover::socketPath() const
{
    const QString folder = privateFolder(m_config.runtimeFolder);
    return folder.isEmpty() ? QString()
                            : folder + QStringLiteral("/documents-") + serviceName().section(u'.', -1);
}

std::optional<QDBusConnection> DocumentHandover::bus() const
{
    if (!m_config.busAddress) {
        QDBusConnection session = QDBusConnection::sessionBus();
        return session.isConnected() ? std::optional(session) : std::nullopt;
    }
    if (m_connectionName.isEmpty())
        return std::nullopt;
    QDBusConnection connection(m_connectionName);
    return connection.isConnected() ? std::optional(connection) : std::nullopt;
}

bool DocumentHandover::isClaimed() const
{
    return m_receiver || m_listening >= 0;
}

bool DocumentHandover::acceptFrom(uid_t caller, const QString& path)
{
    return caller == ::getuid() && isClaimed() && m_acceptor && m_acceptor(path);
}

DocumentHandover::Outcome DocumentHandover::handOver(const QString& path)
{
    const std::optional<QDBusConnection> connection = bus();
    if (!connection)
        return handOverBySocket(path);
    // A name held by another user is no window of this user's: the path is not theirs to see.
    const QDBusReply<uint> holder = connection->interface()->serviceUid(serviceName());
    if (!holder.isValid())
        return Outcome::NoWindow;
    if (holder.value() != ::getuid())
        return Outcome::Refused;
    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName(), kObjectPath, kInterface, QStringLiteral("AddDocument"));
    call << path;
    const QDBusMessage reply = connection->call(call, QDBus::Block, m_config.timeout);
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool())
        return Outcome::Accepted;
    // The window went between the question and the call.
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return Outcome::NoWindow;
    return Outcome::Refused;
}

bool DocumentHandover::claim()
{
    if (isClaimed())
        return true;
    const std::optional<QDBusConnection> connection = bus();
    if (!connection)
        return claimSocket();
    auto* receiver = new DocumentReceiver(*this);
    QDBusConnection bus = *connection;
    // The object first, so that a call right after the name finds it.
    if (!bus.registerObject(kObjectPath, receiver, QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(serviceName())) {
        bus.unregisterObject(kObjectPath);
        delete receiver;
        return false;
    }
    m_receiver = receiver;
    return true;
}

void DocumentHandover::release()
{
    if (m_receiver) {
        if (std::optional<QDBusConnection> connection = bus()) {
            connection->unregisterService(serviceName());
            connection->unregisterObject(kObjectPath);
        }
        delete m_receiver;
        m_receiver = nullptr;
    }
    if (m_listening >= 0) {
        // Removed only while it is still this one's: a process that took the name after this
        // one stopped answering has a socket of its own there.
        const QString path = socketPath();
        const SocketLock lock(path);
        struct stat info
        {};
        if (lock.held && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
            info.st_ino == m_socketInode)
            ::unlink(QFile::encodeName(path).constData());
        delete m_notifier;
        m_notifier = nullptr;
        ::close(m_listening);
        m_listening = -1;
    }
}

bool DocumentHandover::claimSocket()
{
    const QString path = socketPath();
    if (path.isEmpty())
        return false;
    const SocketLock lock(path);
    if (!lock.held)
        return false;
    // A socket that answers is another window's; one that does not is left by a process that
    // ended abnormally.
    const int probe = connectTo(path, true);
    if (probe >= 0 || errno == EAGAIN) {
        if (probe >= 0)
            ::close(probe);
        return false;
    }
    const QByteArray encoded = QFile::encodeName(path);
    ::unlink(encoded.constData());
    sockaddr_un address{};
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    struct stat info
    {};
    if (socket < 0 || !socketAddress(path, address) ||
        ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(encoded.constData(), 0600) != 0 || ::listen(socket, 16) != 0 ||
        ::lstat(encoded.constData(), &info) != 0) {
        if (socket >= 0)
            ::close(socket);
        return false;
    }
    m_listening = socket;
    m_socketInode = info.st_ino;
    m_notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DocumentHandover::takeConnection);
    return true;
}

void DocumentHandover::takeConnection()
{
    const int accepted = ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC);
    if (accepted < 0)
        return;
    const std::optional<uid_t> caller = peerUser(accepted);
    if (caller != ::getuid()) {
        ::close(accepted);
        return;
    }
    // A path as a 32-bit length in network order and UTF-8; the answer is one byte, '1' when taken.
    auto* socket = new QLocalSocket(this);
    socket->setSocketDescriptor(accepted);
    QTimer::singleShot(m_config.timeout, socket, &QLocalSocket::abort);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket, caller] {
        if (socket->bytesAvailable() < 4)
            return;
        const qint32 size = qFromBigEndian<qint32>(socket->peek(4).constData());
        if (size < 0 || size > kMaxPath) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() < 4 + size)
            return;
        socket->read(4);
        const QString path = QString::fromUtf8(socket->read(size));
        socket->write(acceptFrom(*caller, path) ? "1" : "0");
        socket->disconnectFromServer();
    });
}

DocumentHandover::Outcome DocumentHandover::handOverBySocket(const QString& path)
{
    const QString at = socketPath();
    const int connected = at.isEmpty() ? -1 : connectTo(at, false);
    if (connected < 0)
        return Outcome::NoWindow;
    if (peerUser(connected) != ::getuid()) {
        ::close(connected);
        return Outcome::Refused;
    }
    QLocalSocket socket;
    socket.setSocketDescriptor(connected);
    const QByteArray encoded = path.toUtf8();
    QByteArray message(4, '\0');
    qToBigEndian<qint32>(static_cast<qint32>(encoded.size()), message.data());
    socket.write(message + encoded);
    if (!socket.waitForBytesWritten(m_config.timeout))
        return Outcome::NoWindow;
    while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(m_config.timeout)) {
    }
    // No answer: the window closed between the connection and its answer.
    if (socket.bytesAvailable() < 1)
        return socket.state() == QLocalSocket::ConnectedState ? Outcome::Refused : Outcome::NoWindow;
    return socket.read(1) == "1" ? Outcome::Accepted : Outcome::Refused;
}

} // namespace zirn

#include "DocumentHandover.moc"
