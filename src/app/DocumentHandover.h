#pragma once

#include <QObject>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <memory>
#include <optional>

class QDBusConnection;
class QSocketNotifier;

namespace zirn {

// One window per user and display that documents printed while it is open can join. The
// window's process claims a name that says which display it is on: a name on the user's session
// bus, or, where there is no session bus, a socket in the user's runtime folder (the folder and
// the socket the user's alone). A process started on a document hands the document's path to
// the process that holds the name, and ends once that one has taken it.
//
// Only processes of the same user meet: the bus tells each side the other's user, the socket
// the kernel does, and a document is neither handed to nor taken from anybody else. What the
// window does with a path is its acceptor's affair.
class DocumentHandover : public QObject
{
    Q_OBJECT

public:
    struct Config
    {
        // The bus: nothing for the session bus, or the address of another; empty: none, the
        // socket serves instead.
        std::optional<QString> busAddress;
        QString runtimeFolder; // the socket's folder goes here ($XDG_RUNTIME_DIR); empty: no socket
        QString display;       // which display the window is on ("wayland:wayland-0", "x11::0")
        int timeout = 25000;   // milliseconds to wait for the window's answer

        // The session bus, $XDG_RUNTIME_DIR, and the display of this process's environment.
        static Config standard();
    };

    enum class Outcome {
        Accepted, // the window lists the document now
        Refused,  // the window, or the name's holder, refused it
        NoWindow, // no window holds the name (any more)
    };

    // Answers whether a document handed over joins the window; the path is absolute.
    using Acceptor = std::function<bool(const QString& path)>;

    explicit DocumentHandover(Config config, QObject* parent = nullptr);
    ~DocumentHandover() override;

    // Hands path (absolute) to the window that holds the name; waits for its answer up to the
    // timeout, which counts as a refusal.
    Outcome handOver(const QString& path);

    // Claims the name for this process, whose acceptor then answers every document handed over
    // until release. False when another process holds it, or where neither a bus nor a runtime
    // folder of the user's alone is there.
    bool claim();
    void release();
    bool isClaimed() const;
    void setAcceptor(Acceptor acceptor) { m_acceptor = std::move(acceptor); }

    // The name on the bus, and the socket's path, for the configured display.
    QString serviceName() const;
    QString socketPath() const;

    // What a caller's user id allows: it must be this process's user.
    bool acceptFrom(uid_t caller, const QString& path);

private:
    std::optional<QDBusConnection> bus() const;
    bool claimSocket();
    Outcome handOverBySocket(const QString& path);
    void takeConnection();
    // Holds the socket's lock file while it lives; false when it could not be taken.
    struct SocketLock;

    Config m_config;
    QString m_connectionName; // of a bus given by its address
    Acceptor m_acceptor;
    QObject* m_receiver = nullptr; // the object on the bus while claimed there
    int m_listening = -1;          // the socket while claimed there
    ino_t m_socketInode = 0;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zirn
