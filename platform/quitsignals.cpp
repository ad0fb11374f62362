#include "platform/quitsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
int pipeFds[2] = {-1, -1};
bool endBegun = false;

void onSignal(int sig)
{
    const int saved = errno;
    const char byte = char(sig);
    // Non-blocking: with the pipe full, enough signals are waiting already.
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

std::function<void(int)>& handlerSlot()
{
    static std::function<void(int)> h;
    return h;
}
} // namespace

void beginShutdown() { endBegun = true; }
bool shuttingDown() { return endBegun; }

void installQuitSignals()
{
    if (pipeFds[0] >= 0)
        return;
    // Over a file-size limit a write fails with EFBIG and is reported like
    // any other failed write; the default action would kill the game.
    ::signal(SIGXFSZ, SIG_IGN);
    if (::pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0)
        return; // the signals keep their default: ending the process
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
}

void onQuitSignal(std::function<void(int)> handler)
{
    installQuitSignals();
    if (pipeFds[0] < 0)
        return;
    handlerSlot() = std::move(handler);
    static QSocketNotifier* notifier = nullptr;
    if (notifier)
        return;
    notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char sigs[64];
        const ssize_t n = ::read(pipeFds[0], sigs, sizeof sigs);
        for (ssize_t i = 0; i < n; ++i)
            if (handlerSlot())
                handlerSlot()(int(sigs[i]));
    });
}

} // namespace platform
