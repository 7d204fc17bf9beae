// The simulator's end of a pseudo-terminal. The program opens the other end as its serial
// port and closes it again after every exchange, so this end stays open throughout, notices
// whether the program has the port open, and behaves like a line: bytes sent while nobody
// listens are lost, and at 9600 baud each byte takes 10 bit times to arrive.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    // Creates the pseudo-terminal in raw mode at 9600 baud; false with errno set on failure.
    bool Open();
    // The device the program opens (/dev/pts/N).
    const std::string& DevicePath() const { return m_path; }

    // Bytes from the program, waiting up to the time-out; empty when none came.
    std::string Receive(std::chrono::milliseconds timeout);
    bool ProgramListening() const;
    // Sends the bytes at the line's pace, or at once when not paced. Stops early when the
    // program closes the port (the rest is lost) or when stop() says so.
    void Send(std::string_view bytes, bool paced, const std::function<bool()>& stop);
    // Drops the line: the program's end sees a hang-up.
    void HangUp();

private:
    void waitForOpen(std::chrono::milliseconds timeout);

    int m_master = -1;
    int m_watch = -1; // inotify on the device: wakes the simulator when the program opens it
    std::string m_path;
};
