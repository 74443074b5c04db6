// One running copy of a program per user session: the first copy listens on a local socket
// (under XDG_RUNTIME_DIR); a later copy finds it there, asks it to come to the front and ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace plat {

class TSingleInstance {
public:
    // `name` identifies the program ("velmora-setup").
    explicit TSingleInstance(std::string name);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // True when this is the only copy (it now listens); false when another copy answered and was
    // asked to come to the front.
    bool Claim();
    // Runs in the first copy when a later one asks it to come to the front.
    std::function<void()> OnActivate;
    // The socket's path.
    std::string Path() const;

private:
    struct Impl;
    std::string name_;
    std::unique_ptr<Impl> impl_;
};

} // namespace plat
