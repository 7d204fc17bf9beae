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

#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>

Q_LOGGING_CATEGORY(lcDevice, "vrxlink.device", QtInfoMsg)

namespace {
constexpr char kFrameStart = 0x01;
constexpr char kFrameEnd = 0x0D;
const std::string kWakeUp = {kFrameStart, kFrameEnd};

IniFile settingsFile() { return IniFile(ReadWholeFile(SettingsFilePath()).value_or("")); }

// What a diagnostic line shows of a message: blanks and control characters trimmed.
QString shown(const std::string& message) { return QString::fromLatin1(Trim(message).c_str()); }

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
    Timer1.setSingleShot(true);
    Timer1.setInterval(m_queryTimeout);
    msTimer.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TDeviceLink::Timer1Timer);
    connect(&msTimer, &QTimer::timeout, this, &TDeviceLink::msTimerTimer);
    DataCapture1.OnMessage = [this](const std::string& m) { DataCapture1StringPacket(m); };
    DataCapture2.OnMessage = [this](const std::string& m) { DataCapture2StringPacket(m); };
    connect(CommPort, &QSerialPort::readyRead, this, &TDeviceLink::readPort);
    connect(CommPort, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError)
            qCDebug(lcDevice) << "Port error:" << CommPort->errorString();
    });
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

bool TDeviceLink::IsOpen() const { return CommPort->isOpen(); }

std::string TDeviceLink::openError(const std::string& path, const QString& reason) const {
    std::string message = "Can't open specified device " + path + " (" + reason.toStdString() + ")";
    struct stat info {};
    if (CommPort->error() == QSerialPort::PermissionError && ::stat(path.c_str(), &info) == 0) {
        const group* owner = ::getgrgid(info.st_gid);
        message += ". To use it you must be a member of the group '" +
                   std::string(owner ? owner->gr_name : "dialout") + "'.";
    }
    return message;
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
    std::string failure;
    if (path.empty()) {
        failure = "Specified device not found (COM" + std::to_string(m_portNumber) + ").";
    } else {
        CommPort->setPortName(QString::fromStdString(path));
        if (!CommPort->open(QIODevice::ReadWrite)) {
            failure = openError(path, CommPort->errorString());
        } else if (::flock(int(CommPort->handle()), LOCK_EX | LOCK_NB) != 0) {
            // Another program holds the line; sharing it would mix two conversations.
            CommPort->close();
            failure = "Can't open specified device " + path + " (it is in use by another program)";
        } else {
            CommPort->setBaudRate(QSerialPort::Baud9600);
            CommPort->setDataBits(QSerialPort::Data8);
            CommPort->setParity(QSerialPort::NoParity);
            CommPort->setStopBits(QSerialPort::OneStop);
            CommPort->setFlowControl(QSerialPort::NoFlowControl);
            // A pseudo-terminal refuses the modem lines; that is no error.
            CommPort->setDataTerminalReady(false);
            CommPort->setRequestToSend(false);
            CommPort->clearError();
            return true;
        }
    }
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
    CommPort->close();
    WaitMs(int(m_closePause.count()));
}

std::string TDeviceLink::ListComPorts() const {
    return ListPortNames(settingsFile(), [](const std::string& path) { return FileExists(path); });
}

void TDeviceLink::WriteToPort(const std::string& bytes) {
    if (CommPort->isOpen())
        CommPort->write(bytes.data(), qint64(bytes.size()));
}

void TDeviceLink::readPort() {
    const QByteArray bytes = CommPort->readAll();
    const std::string_view data(bytes.constData(), size_t(bytes.size()));
    DataCapture1.Feed(data);
    DataCapture2.Feed(data);
    emit bytesReceived(bytes);
}

void TDeviceLink::waitUntil(const bool& flag, const bool* orFlag) {
    while (!flag && !(orFlag && *orFlag))
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
    waitUntil(ReplyEnded, &ReplyTimedOut);
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
    const bool neverEnds = false;
    waitUntil(ReplyTimedOut, waitFull ? &neverEnds : &ReplyEnded);
    Timer1.stop();
    DataCapture2.Active = false;
    StopCom();
    return true;
}

void TDeviceLink::DataCapture2StringPacket(const std::string& message) {
    qCDebug(lcDevice).noquote() << "Data2:\"" + shown(message) + "\"";
    ReplyLines.push_back(message.substr(0, message.size() - 1));
    ReplyEnded = true;
    // The exchange ends at the first line; lines that came with it in the same read are
    // not part of the reply.
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
    waitUntil(WaitElapsed);
}

bool TDeviceLink::GetSummary() { return QueryDevice("summary", false); }

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

void TDeviceLink::showError(const char* prefix) {
    const std::string p = prefix;
    ShowErrorBox(m_text("dlgError"), m_text(p + "M"), m_text(p + "C"), m_text(p + "H"));
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

int TDeviceLink::GetDeviceModel(std::string& model, JobRecord& jobLines, const SummaryParser& parse) {
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
        for (size_t i = at; i < end && version[i] >= '0' && version[i] <= '9' && value < 100000000; ++i)
            value = value * 10 + (version[i] - '0');
        *part = int(value);
        at = end < version.size() ? end + 1 : version.size();
    }
}
