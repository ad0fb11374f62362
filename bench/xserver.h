#pragma once
// A private Xvfb for the benchmark, and the moment a program's first window
// becomes viewable: the MapNotify that the X server sends to a client
// watching the root window's children.
#include <string>
#include <sys/types.h>
#include <vector>

struct xcb_connection_t;

namespace bench {

class XServer {
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool start();                                 // on a free display number
    const std::string& display() const { return display_; }

    // Starts `argv` with `env` and returns the milliseconds from just before
    // the exec to the map of its first top-level window (-1 on timeout).
    double launchUntilMapped(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                             pid_t& pid, int timeoutMs = 20000);

private:
    pid_t server_ = -1;
    xcb_connection_t* conn_ = nullptr;
    std::string display_;
};

// Ends a child started by launchUntilMapped and waits for it.
void stop(pid_t pid);

} // namespace bench
