#include "platform/ui/SingleInstance.h"

#include "platform/ui/Application.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace plat {

struct TSingleInstance::Impl {
    QLocalServer server;
};

TSingleInstance::TSingleInstance(std::string name) : name_(std::move(name)) {}

TSingleInstance::~TSingleInstance() = default;

std::string TSingleInstance::Path() const {
    // The runtime folder is private to the user; without one, the temporary folder with the user
    // id in the name keeps users apart.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
        return QString::fromLocal8Bit(runtime).toStdString() + "/" + name_ + ".socket";
    return QDir::tempPath().toStdString() + "/" + name_ + "-" + std::to_string(getuid()) + ".socket";
}

bool TSingleInstance::Claim() {
    EnsureUiApplication();
    const QString path = QString::fromStdString(Path());
    {
        QLocalSocket other;
        other.connectToServer(path);
        if (other.waitForConnected(500)) {
            other.write("activate\n");
            other.waitForBytesWritten(500);
            other.disconnectFromServer();
            return false;
        }
    }
    // Nobody answers: a socket file left by a copy that died is stale.
    QLocalServer::removeServer(path);
    impl_ = std::make_unique<Impl>();
    impl_->server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!impl_->server.listen(path))
        return true; // cannot listen (read-only folder): run without the guard rather than not at all
    // A later copy connecting is the request itself; what it sends needs no reading.
    QObject::connect(&impl_->server, &QLocalServer::newConnection, &impl_->server, [this] {
        while (QLocalSocket* peer = impl_->server.nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (OnActivate)
                RunGuarded(OnActivate);
        }
    });
    return true;
}

} // namespace plat
