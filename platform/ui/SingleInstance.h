// One running copy of a program per user and prefix: the first start listens on a local socket
// under XDG_RUNTIME_DIR; a later start finds it there, asks it to come to the front, and ends.
// Two copies working on one set of saved files would overwrite each other's work.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace plat {

class TSingleInstance {
public:
    // `name` tells programs apart; the prefix folder is part of the socket's name, so copies
    // working on different prefixes (tests, other users' set-ups) do not meet.
    explicit TSingleInstance(const std::string& name);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // True when another copy is running: it has been told to come to the front and this one
    // should end. False when this is the first copy, which now listens.
    bool AnotherIsRunning();

    // Runs in the first copy (from the event loop) when a later start asks it to come forward,
    // after its minimised windows have been restored.
    std::function<void()> OnActivate;

    // Host path of the socket.
    const std::string& SocketPath() const { return path_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string path_;
};

} // namespace plat
