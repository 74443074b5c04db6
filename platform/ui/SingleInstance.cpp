// TSingleInstance on Qt's local sockets; see SingleInstance.h.
#include "platform/ui/SingleInstance.h"

#include "platform/core/Platform.h"
#include "platform/ui/Application.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace plat {
namespace {

constexpr int kReplyTimeoutMs = 2000;
constexpr char kActivate[] = "activate\n";
constexpr char kDone[] = "done\n";

// FNV-1a: the same on every build, so two builds of the program on one prefix meet.
uint32_t StableHash(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

std::string RuntimeFolder() {
    std::string folder = EnvOr("XDG_RUNTIME_DIR", "");
    if (!folder.empty())
        return folder;
    folder = "/tmp/vertalis-" + std::to_string(getuid());
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
    return folder;
}

} // namespace

struct TSingleInstance::Impl {
    QLocalServer server;
};

TSingleInstance::TSingleInstance(const std::string& name) {
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x", StableHash(Platform::Current().PrefixFolder()));
    path_ = RuntimeFolder() + "/" + name + "-" + hash + ".sock";
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::AnotherIsRunning() {
    EnsureUiApplication();
    const QString path = QString::fromStdString(path_);
    {
        QLocalSocket other;
        other.connectToServer(path);
        if (other.waitForConnected(kReplyTimeoutMs)) {
            other.write(kActivate);
            other.flush();
            // Waiting for the answer makes sure the running copy got the request before this one
            // ends; a copy too busy to answer still gets it from its queue.
            other.waitForReadyRead(kReplyTimeoutMs);
            return true;
        }
    }
    // Nobody answers: a socket file left by a copy that crashed is removed first.
    QLocalServer::removeServer(path);
    impl_ = std::make_unique<Impl>();
    impl_->server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!impl_->server.listen(path)) {
        // Without the socket the program still runs; it only cannot be found by a later start.
        impl_.reset();
        return false;
    }
    QObject::connect(&impl_->server, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* client = impl_->server.nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            QObject::connect(client, &QLocalSocket::readyRead, [this, client] {
                const QByteArray request = client->readAll();
                if (!request.startsWith(QByteArray(kActivate).trimmed()))
                    return;
                client->write(kDone);
                client->flush();
                // A minimised program comes back before it is brought forward.
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (window->isMinimized())
                        window->showNormal();
                if (OnActivate)
                    RunGuarded(OnActivate);
            });
        }
    });
    return false;
}

} // namespace plat
