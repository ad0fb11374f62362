#include "xserver.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {
double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Xvfb's own choice (-displayfd alone) looks at lock files only, but clients
// try the abstract socket first, which an X server of another file-system
// namespace may hold: we would connect to it. So skip both.
int freeDisplay()
{
    std::string taken;
    if (FILE* f = std::fopen("/proc/net/unix", "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, f))
            taken += line;
        std::fclose(f);
    }
    for (int n = 90; n < 500; ++n) {
        const std::string sock = "@/tmp/.X11-unix/X" + std::to_string(n) + "\n";
        const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
        if (taken.find(sock) == std::string::npos && access(lock.c_str(), F_OK) != 0)
            return n;
    }
    return 499;
}

std::vector<char*> pointers(const std::vector<std::string>& v)
{
    std::vector<char*> p;
    for (const std::string& s : v)
        p.push_back(const_cast<char*>(s.c_str()));
    p.push_back(nullptr);
    return p;
}
} // namespace

XServer::~XServer()
{
    if (conn_)
        xcb_disconnect(conn_);
    if (server_ > 0)
        stop(server_);
}

bool XServer::start()
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const std::string fd = std::to_string(fds[1]);
    const std::string display = ":" + std::to_string(freeDisplay());
    // Wide enough for the game window and the paint floor's window side by side.
    std::vector<std::string> argv{"Xvfb", display, "-displayfd", fd, "-screen", "0", "3000x1200x24", "-nolisten", "tcp"};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0); // its start-up chatter
    const int rc = posix_spawnp(&server_, "Xvfb", &actions, nullptr, pointers(argv).data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        server_ = -1;
        return false;
    }
    char buf[16] = {};
    pollfd p{fds[0], POLLIN, 0};
    ssize_t got = 0;
    if (poll(&p, 1, 10000) > 0)
        got = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    if (got <= 0) {
        std::fprintf(stderr, "bench: Xvfb named no display\n");
        return false;
    }
    display_ = ":" + std::to_string(std::atoi(buf));
    conn_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(conn_)) {
        std::fprintf(stderr, "bench: cannot connect to Xvfb on %s (xcb error %d)\n", display_.c_str(), xcb_connection_has_error(conn_));
        return false;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t c = xcb_change_window_attributes_checked(conn_, screen->root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* e = xcb_request_check(conn_, c)) {
        std::fprintf(stderr, "bench: cannot watch the windows of %s (X error %d)\n", display_.c_str(), e->error_code);
        std::free(e);
        return false;
    }
    return true;
}

double XServer::launchUntilMapped(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                                  pid_t& pid, int timeoutMs)
{
    while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) // maps of earlier runs
        std::free(e);
    const double t0 = nowMs();
    if (posix_spawn(&pid, argv[0].c_str(), nullptr, nullptr, pointers(argv).data(), pointers(env).data()) != 0)
        return -1;
    const int fd = xcb_get_file_descriptor(conn_);
    while (nowMs() - t0 < timeoutMs) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY
                                && !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
            std::free(e);
            if (mapped)
                return nowMs() - t0;
        }
        if (xcb_connection_has_error(conn_))
            return -1;
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
    }
    return -1;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace bench
