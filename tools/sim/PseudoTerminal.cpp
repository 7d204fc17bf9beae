#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
// One byte at 9600 baud: a start bit, 8 data bits and a stop bit.
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 9600);

milliseconds until(Clock::time_point deadline) {
    return std::max(milliseconds(0), std::chrono::ceil<milliseconds>(deadline - Clock::now()));
}
} // namespace

PseudoTerminal::~PseudoTerminal() {
    if (m_watch >= 0)
        ::close(m_watch);
    HangUp();
}

bool PseudoTerminal::Open() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return false;
    m_path = ::ptsname(m_master);
    // Opening and closing the device once sets it up and puts the master in the state it
    // is in between the program's exchanges (hung up until the next open).
    const int device = ::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (device < 0)
        return false;
    termios raw{};
    ::tcgetattr(device, &raw);
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B9600);
    const bool set = ::tcsetattr(device, TCSANOW, &raw) == 0;
    ::close(device);
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    return set && m_watch >= 0 &&
           ::inotify_add_watch(m_watch, m_path.c_str(), IN_OPEN | IN_CLOSE) >= 0;
}

bool PseudoTerminal::ProgramListening() const {
    pollfd master{m_master, POLLIN, 0};
    return m_master >= 0 && ::poll(&master, 1, 0) >= 0 && !(master.revents & POLLHUP);
}

void PseudoTerminal::waitForOpen(milliseconds timeout) {
    char events[4096];
    while (::read(m_watch, events, sizeof events) > 0) {
    }
    // An open after the events were read leaves a new event, so none can be missed here.
    if (ProgramListening())
        return;
    pollfd watch{m_watch, POLLIN, 0};
    ::poll(&watch, 1, int(timeout.count()));
}

std::string PseudoTerminal::Receive(milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (m_master >= 0) {
        pollfd master{m_master, POLLIN, 0};
        if (::poll(&master, 1, int(until(deadline).count())) < 0 && errno == EINTR)
            return {};
        if (master.revents & POLLIN) {
            char buffer[512];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                return std::string(buffer, size_t(n));
        }
        if (Clock::now() >= deadline)
            return {};
        // While the program has the port closed the master reports a hang-up at once.
        if (master.revents & POLLHUP)
            waitForOpen(until(deadline));
    }
    return {};
}

void PseudoTerminal::Send(std::string_view bytes, bool paced, const std::function<bool()>& stop) {
    const auto start = Clock::now();
    for (size_t sent = 0; sent < bytes.size();) {
        // A byte has arrived once its ten bits have been clocked out.
        if (paced)
            std::this_thread::sleep_until(start + kByteTime * (sent + 1));
        if (stop() || !ProgramListening())
            return;
        const size_t chunk = paced ? 1 : bytes.size() - sent;
        const ssize_t n = ::write(m_master, bytes.data() + sent, chunk);
        if (n > 0) {
            sent += size_t(n);
        } else if (errno == EAGAIN || errno == EINTR) {
            std::this_thread::sleep_for(milliseconds(1));
        } else {
            return;
        }
    }
}

void PseudoTerminal::HangUp() {
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}
