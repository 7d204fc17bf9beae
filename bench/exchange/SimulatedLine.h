// A program folder whose COM5 is vrxlink-sim at 9600 baud answering every query with the
// built-in test summary, so the benchmarks know the reply's length without trusting the
// program's own count, and a transcript of what the program sent, to count its frames.
#pragma once

#include "SafeFile.h"
#include "TestSummary.h"
#include "uVRXCommon.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

// One byte at 9600 baud: a start bit, 8 data bits and a stop bit.
inline constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;

// The unit's reply as it goes down the line: the lines with CR LF, then the end line.
inline std::string SummaryReplyBytes() {
    std::string bytes;
    for (const std::string& line : kTestSummary)
        bytes += line + "\r\n";
    return bytes + "\x01\r\n";
}

class SimulatedLine {
public:
    // Makes the folder the program folder and starts the simulator; false if it did not.
    bool Start() {
        ExeDir = m_folder.path().toStdString() + "/";
        QDir::setCurrent(m_folder.path());
        const QString unit = m_folder.filePath("unit");
        WriteFileSafely(SettingsFilePath(),
                        "[Settings]\r\nPORT=5\r\n[Ports]\r\nCOM5=" + unit.toStdString() + "\r\n");
        WriteFileSafely(m_folder.filePath("reply.bin").toStdString(), SummaryReplyBytes());
        m_sim.start(VRXLINK_SIM, {"--link", unit, "--reply", m_folder.filePath("reply.bin"),
                                  "--transcript", transcriptPath()});
        // It prints its terminal's path once the link is in place.
        return m_sim.waitForReadyRead(5000);
    }

    ~SimulatedLine() {
        m_sim.terminate();
        if (!m_sim.waitForFinished(3000))
            m_sim.kill();
    }

    // Bytes the program has sent the unit so far.
    qint64 BytesSent() const { return QFile(transcriptPath()).size(); }

private:
    QString transcriptPath() const { return m_folder.filePath("transcript.bin"); }

    QTemporaryDir m_folder;
    QProcess m_sim;
};
