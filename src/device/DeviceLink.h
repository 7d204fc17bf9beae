// The one serial link to the unit: opens the port for an exchange, writes framed commands,
// collects the reply lines through two line captures until an end condition or a time-out,
// and closes the port again. Every wait processes events, so the windows stay responsive.
// Owned by the main window; other windows reach the unit only through it. It needs no
// window: it is given the settings it reads and the text lookup for its message boxes.
#pragma once

#include "JobRecord.h"
#include "LineCapture.h"
#include "uVRXCommon.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QSerialPort;

// How long a query waits for its reply, and the pause after closing the port that gives the
// unit time to settle before the next exchange opens it again.
inline constexpr std::chrono::milliseconds kQueryTimeout{3000};
inline constexpr std::chrono::milliseconds kClosePause{300};

// Result codes of the model and version queries.
inline constexpr int kQueryOk = 0;
inline constexpr int kQueryNoPort = -1;
inline constexpr int kQueryPortFailed = -2;
inline constexpr int kQueryNoReply = -3;
inline constexpr int kQueryInvalidReply = -4;

class TDeviceLink : public QObject {
    Q_OBJECT
public:
    // Looks a message up in the owner's language table (UTF-8 text).
    using TextLookup = std::function<std::string(std::string_view key)>;
    // Turns reply lines into a job record (the run summary parser with its settings).
    using SummaryParser = std::function<JobRecord(const std::vector<std::string>& replyLines)>;

    // config is the live settings record (normally the global Config), read at every call.
    TDeviceLink(const TConfigRecord& config, TextLookup text, QObject* parent = nullptr);
    ~TDeviceLink() override;

    bool StartCom(int port, bool quiet);
    void StopCom();
    bool IsOpen() const;
    // The port number the port is set to (the last one opened successfully).
    int OpenPortNumber() const { return m_portNumber; }
    // "COMn" lines of the ports present, in number order.
    std::string ListComPorts() const;
    bool QueryDevice(const std::string& command, bool quiet);
    bool SendDeviceCommand(const std::string& command, int timeoutMs, bool waitFull);
    void WaitMs(int milliseconds);
    // Queues bytes for the open port and returns; nothing happens while it is closed.
    void WriteToPort(const std::string& bytes);

    bool GetSummary();
    bool QueryShow();
    int GetDeviceModel(std::string& model, JobRecord& jobLines, const SummaryParser& parse);
    int GetDeviceVersion(std::string& version, JobRecord& jobLines, const SummaryParser& parse);

    // Shorter waits for tests that are not about the waits themselves.
    void SetTimingsForTests(std::chrono::milliseconds queryTimeout,
                            std::chrono::milliseconds closePause);

    std::vector<std::string> ReplyLines;
    std::vector<std::string> ShowValues;
    std::string LastComError;
    bool ReplyStarted = false;
    bool ReplyEnded = false;
    bool ReplyTimedOut = false;
    bool WaitElapsed = false;
    LineCapture DataCapture1;
    LineCapture DataCapture2;
    QTimer Timer1;
    QTimer msTimer;

signals:
    // Every chunk of bytes received while the port is open, for a window that assembles
    // lines with a capture of its own (the terminal).
    void bytesReceived(const QByteArray& bytes);

private:
    void DataCapture1StringPacket(const std::string& message);
    void DataCapture2StringPacket(const std::string& message);
    void Timer1Timer();
    void msTimerTimer();
    void CommPortReadyRead();
    void CommPortErrorOccurred();
    std::string openPort(const std::string& path);
    void waitUntil(const bool& flag, const bool& orFlag);
    int queryEntry(std::string& out, const char* key, JobRecord& jobLines,
                   const SummaryParser& parse);
    void showError(const std::string& keyPrefix);

    const TConfigRecord& m_config;
    TextLookup m_text;
    QSerialPort* CommPort;
    int m_portNumber = 0;
    bool m_stopAtFirstLine = false;
    std::chrono::milliseconds m_queryTimeout = kQueryTimeout;
    std::chrono::milliseconds m_closePause = kClosePause;
};

// Three non-negative numbers from a version text such as "1.2.01"; a part that is missing
// or does not start with a digit is 0 ("1.2.01A" gives 1, 2, 1; "V1.3" gives 0, 3, 0).
void SplitVersion(const std::string& version, int& first, int& second, int& third);
