#include "platform/wine/linuxdesktopservices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QFileInfo>
#include <QUrl>

#include <unistd.h>

namespace pw {

namespace {

const char kRaiseRequest[] = "raise\n";

// The user's runtime folder, private to the user; else one of our own in the temporary folder.
QString defaultFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/purgewell-") + QString::number(getuid());
    QDir().mkpath(own);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

} // namespace

CLinuxDesktopServices::CLinuxDesktopServices(const QString &folder)
    : m_folder(folder), m_raise(std::make_shared<std::function<void()>>())
{
}

CLinuxDesktopServices::~CLinuxDesktopServices() = default;

void CLinuxDesktopServices::SetRaiseHandler(std::function<void()> raise)
{
    *m_raise = std::move(raise);
}

bool CLinuxDesktopServices::CheckSingleInstance()
{
    if (m_lock)
        return true; // this object already is the first instance
    if (m_folder.isEmpty())
        m_folder = defaultFolder();
    QDir().mkpath(m_folder);
    const QString socketPath = m_folder + QStringLiteral("/purgewell.socket");
    auto lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/purgewell.lock"));
    lock->setStaleLockTime(0); // only a lock whose process is gone is stale
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return true; // the folder cannot hold a lock: let this instance run
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(2000)) {
            socket.write(kRaiseRequest);
            socket.waitForBytesWritten(2000);
            socket.disconnectFromServer();
        }
        return false;
    }
    m_lock = std::move(lock);
    QLocalServer::removeServer(socketPath); // left by an instance that crashed
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer *server = m_server.get();
    std::shared_ptr<std::function<void()>> raise = m_raise;
    QObject::connect(server, &QLocalServer::newConnection, server, [server, raise] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, raise] {
                if (socket->readAll().contains('\n') && *raise)
                    (*raise)();
            });
        }
    });
    server->listen(socketPath);
    return true;
}

bool CLinuxDesktopServices::OpenUrl(const std::string &url)
{
    const QUrl target = QUrl::fromUserInput(QString::fromLocal8Bit(url.c_str(), int(url.size())));
    return target.isValid() && QDesktopServices::openUrl(target);
}

} // namespace pw
