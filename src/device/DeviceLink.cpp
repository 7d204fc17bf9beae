#include "DeviceLink.h"

#include "IniFile.h"
#include "MessageBoxes.h"
#include "PortNames.h"
#include "SafeFile.h"
#include "StrngLib.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSerialPort>

#include <sys/file.h>

#include <algorithm>
#include <cerrno>

Q_LOGGING_CATEGORY(lcDevice, "vrxlink.device", QtInfoMsg)

namespace {
constexpr char kFrameStart = 0x01;
constexpr char kFrameEnd = 0x0D;
const std::string kWakeUp = {kFrameStart, kFrameEnd};

IniFile settingsFile() {
    return IniFile(ReadWholeFile(SettingsFilePath()).value_or(""));
}

// What a diagnostic line shows of a message: blanks and control characters trimmed.
QString shown(const std::string& message) {
    const std::string trimmed = Trim(message);
    return QString::fromLatin1(trimmed.data(), qsizetype(trimmed.size()));
}

// The busy cursor while a query runs, where there is a screen to show it.
class BusyCursor {
public:
    BusyCursor() : m_shown(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (m_shown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool m_shown;
};
} // namespace

TDeviceLink::TDeviceLink(const TConfigRecord& config, TextLookup text, QObject* parent)
    : QObject(parent), m_config(config), m_text(std::move(text)), CommPort(new QSerialPort(this)) {
    // Precise timers: a coarse one may fire a few per cent late, which the close pause
    // after every exchange would add to each one.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setSingleShot(true);
    Timer1.setInterval(kQueryTimeout);
    msTimer.setTimerType(Qt::PreciseTimer);
    msTimer.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TDeviceLink::Timer1Timer);
    connect(&msTimer, &QTimer::timeout, this, &TDeviceLink::msTimerTimer);
    DataCapture1.OnMessage = [this](const std::string& m) { DataCapture1StringPacket(m); };
    DataCapture2.OnMessage = [this](const std::string& m) { DataCapture2StringPacket(m); };
    connect(CommPort, &QSerialPort::readyRead, this, &TDeviceLink::CommPortReadyRead);
    connect(CommPort, &QSerialPort::errorOccurred, this, &TDeviceLink::CommPortErrorOccurred);
}

TDeviceLink::~TDeviceLink() {
    if (CommPort->isOpen())
        CommPort->close();
}

void TDeviceLink::SetTimingsForTests(std::chrono::milliseconds queryTimeout,
                                     std::chrono::milliseconds closePause) {
    m_queryTimeout = queryTimeout;
    m_closePause = closePause;
}

bool TDeviceLink::IsOpen() const {
    return CommPort->isOpen();
}

std::string TDeviceLink::openPort(const std::string& path) {
    CommPort->setPortName(QString::fromStdString(path));
    CommPort->setBaudRate(QSerialPort::Baud9600);
    CommPort->setDataBits(QSerialPort::Data8);
    CommPort->setParity(QSerialPort::NoParity);
    CommPort->setStopBits(QSerialPort::OneStop);
    CommPort->setFlowControl(QSerialPort::NoFlowControl);
    if (!CommPort->open(QIODevice::ReadWrite))
        return PortOpenFailure(path, CommPort->errorString().toStdString(),
                               CommPort->error() == QSerialPort::PermissionError);
    // Programs that do not use lock files still take a lock on the device itself; sharing
    // the line with one of them would mix two conversations.
    if (::flock(int(CommPort->handle()), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        CommPort->close();
        return PortOpenFailure(path, "in use by another program", false);
    }
    CommPort->setDataTerminalReady(false);
    CommPort->setRequestToSend(false);
    // Whatever the driver kept from before this exchange is no part of its reply.
    CommPort->clear(QSerialPort::Input);
    CommPort->clearError();
    return {};
}

bool TDeviceLink::StartCom(int port, bool quiet) {
    if (m_config.Port == 0)
        return false;
    if (port != m_portNumber && CommPort->isOpen())
        StopCom();
    if (CommPort->isOpen())
        return true;
    qCDebug(lcDevice).noquote() << QString("StartCom(Port %1)").arg(port);
    const int previous = m_portNumber;
    if (port > 0)
        m_portNumber = port;
    const std::string path = DevicePathForPort(m_portNumber, settingsFile());
    const std::string failure =
        path.empty() ? "Specified device not found (COM" + std::to_string(m_portNumber) + ")."
                     : openPort(path);
    if (failure.empty())
        return true;
    qCDebug(lcDevice).noquote() << QString::fromStdString("StartCom Exception: " + failure);
    LastComError = failure;
    m_portNumber = previous;
    if (!quiet)
        showError("dlgInvCom");
    return false;
}

void TDeviceLink::StopCom() {
    if (!CommPort->isOpen())
        return;
    // Hand anything still queued to the driver, so a frame written just before closing
    // still goes out.
    CommPort->flush();
    CommPort->close();
    WaitMs(int(m_closePause.count()));
}

std::string TDeviceLink::ListComPorts() const {
    return ListPortNames(settingsFile(), SerialDeviceExists);
}

void TDeviceLink::WriteToPort(const std::string& bytes) {
    if (CommPort->isOpen())
        CommPort->write(bytes.data(), qint64(bytes.size()));
}

void TDeviceLink::CommPortReadyRead() {
    const QByteArray bytes = CommPort->readAll();
    const std::string_view data(bytes.constData(), size_t(bytes.size()));
    DataCapture1.Feed(data);
    DataCapture2.Feed(data);
    emit bytesReceived(bytes);
}

void TDeviceLink::CommPortErrorOccurred() {
    // A pseudo-terminal refuses the modem-line calls; that is no failure of the line.
    const auto error = CommPort->error();
    if (error != QSerialPort::NoError && error != QSerialPort::UnsupportedOperationError)
        qCDebug(lcDevice).noquote() << "Port error: " + CommPort->errorString();
}

void TDeviceLink::waitUntil(const bool& flag, const bool& orFlag) {
    while (!flag && !orFlag)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool TDeviceLink::QueryDevice(const std::string& command, bool quiet) {
    if (!StartCom(m_config.Port, quiet))
        return false;
    ReplyLines.clear();
    ReplyStarted = false;
    ReplyEnded = false;
    DataCapture1.Active = true;
    WriteToPort(kWakeUp + kWakeUp + kFrameStart + command + kFrameEnd);
    ReplyTimedOut = false;
    Timer1.start(m_queryTimeout);
    waitUntil(ReplyEnded, ReplyTimedOut);
    Timer1.stop();
    const size_t collected = ReplyLines.size();
    DataCapture1.Active = false;
    StopCom();
    return collected > 0;
}

void TDeviceLink::DataCapture1StringPacket(const std::string& message) {
    const std::string line = message.substr(0, message.size() - 1);
    qCDebug(lcDevice).noquote() << "Data1:\"" + shown(message) + "\"";
    if (line.find(kFrameStart) != std::string::npos)
        ReplyEnded = true;
    else if (!line.empty() && line[0] == '?')
        ReplyStarted = true;
    if (ReplyStarted && !ReplyEnded)
        ReplyLines.push_back(line);
}

bool TDeviceLink::SendDeviceCommand(const std::string& command, int timeoutMs, bool waitFull) {
    if (!StartCom(m_config.Port, false))
        return false;
    ReplyLines.clear();
    ReplyEnded = false;
    m_stopAtFirstLine = !waitFull;
    DataCapture2.Active = true;
    WriteToPort(kFrameStart + command + kFrameEnd);
    ReplyTimedOut = false;
    Timer1.start(timeoutMs);
    const bool untilTimeOut = false;
    waitUntil(ReplyTimedOut, waitFull ? untilTimeOut : ReplyEnded);
    Timer1.stop();
    DataCapture2.Active = false;
    StopCom();
    return true;
}

void TDeviceLink::DataCapture2StringPacket(const std::string& message) {
    qCDebug(lcDevice).noquote() << "Data2:\"" + shown(message) + "\"";
    ReplyLines.push_back(message.substr(0, message.size() - 1));
    ReplyEnded = true;
    // The exchange ends at its first line: lines that came in the same read are no part
    // of the reply.
    if (m_stopAtFirstLine)
        DataCapture2.Active = false;
}

void TDeviceLink::Timer1Timer() {
    Timer1.stop();
    ReplyTimedOut = true;
}

void TDeviceLink::msTimerTimer() {
    msTimer.stop();
    WaitElapsed = true;
}

void TDeviceLink::WaitMs(int milliseconds) {
    msTimer.setInterval(milliseconds);
    WaitElapsed = false;
    msTimer.start();
    const bool never = false;
    waitUntil(WaitElapsed, never);
}

bool TDeviceLink::GetSummary() {
    return QueryDevice("summary", false);
}

bool TDeviceLink::QueryShow() {
    ShowValues.clear();
    const bool replied = QueryDevice("show", false);
    if (replied)
        for (std::string line : ReplyLines) {
            line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
            ShowValues.push_back(std::move(line));
        }
    return replied;
}

void TDeviceLink::showError(const std::string& keyPrefix) {
    ShowErrorBox(m_text("dlgError"), m_text(keyPrefix + "M"), m_text(keyPrefix + "C"),
                 m_text(keyPrefix + "H"));
}

int TDeviceLink::queryEntry(std::string& out, const char* key, JobRecord& jobLines,
                            const SummaryParser& parse) {
    out.clear();
    if (m_config.Port == 0) {
        showError("dlgNoCom");
        return kQueryNoPort;
    }
    if (!StartCom(m_config.Port, false))
        return kQueryPortFailed;
    BusyCursor busy;
    if (!GetSummary()) {
        showError("dlgNoResp");
        return kQueryNoReply;
    }
    jobLines = parse(ReplyLines);
    if (jobLines.FindJobKey("VERSION") < 0) {
        showError("dlgInvResp");
        return kQueryInvalidReply;
    }
    out = UpperCase(Trim(jobLines.GetJobValue(key)));
    return out.empty() ? kQueryInvalidReply : kQueryOk;
}

int TDeviceLink::GetDeviceModel(std::string& model, JobRecord& jobLines,
                                const SummaryParser& parse) {
    return queryEntry(model, "MODEL", jobLines, parse);
}

int TDeviceLink::GetDeviceVersion(std::string& version, JobRecord& jobLines,
                                  const SummaryParser& parse) {
    return queryEntry(version, "VERSION", jobLines, parse);
}

void SplitVersion(const std::string& version, int& first, int& second, int& third) {
    int* parts[] = {&first, &second, &third};
    size_t at = 0;
    for (int* part : parts) {
        *part = 0;
        const size_t end = std::min(version.find('.', at), version.size());
        long long value = 0;
        for (size_t i = at; i < end && version[i] >= '0' && version[i] <= '9' && value < 100000000;
             ++i)
            value = value * 10 + (version[i] - '0');
        *part = int(value);
        at = end < version.size() ? end + 1 : version.size();
    }
}
