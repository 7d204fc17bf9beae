// A simulated unit on a real pseudo-terminal for the device tests: a fresh program folder
// (ExeDir) whose settings select COM5 and map it to a link to vrxlink-sim's terminal, with
// the simulator's transcript of every byte it received.
#pragma once

#include "SafeFile.h"
#include "uVRXCommon.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SimulatedPort {
public:
    // simArgs are further options of vrxlink-sim; a scripted reply answers every listing
    // command with its bytes.
    explicit SimulatedPort(const QStringList& simArgs, const QByteArray& scriptedReply = {}) {
        ExeDir = m_folder.path().toStdString() + "/";
        MapPort(5, Link());
        Config = ReadSettingsFrom(ReadWholeFile(SettingsFilePath()).value());
        QStringList args{"--link", Link(), "--transcript", transcriptPath()};
        if (!scriptedReply.isNull()) {
            QFile reply(m_folder.filePath("reply.bin"));
            if (reply.open(QIODevice::WriteOnly))
                reply.write(scriptedReply);
            args << "--reply" << reply.fileName();
        }
        m_sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_sim.start(VRXLINK_SIM, args + simArgs);
        // The simulator prints its terminal's path once the link is in place.
        if (m_sim.waitForReadyRead(5000))
            m_device = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
        if (m_device.isEmpty())
            QTest::qFail("vrxlink-sim did not start", __FILE__, __LINE__);
    }
    ~SimulatedPort() {
        m_sim.terminate();
        if (!m_sim.waitForFinished(3000))
            m_sim.kill();
    }
    SimulatedPort(const SimulatedPort&) = delete;
    SimulatedPort& operator=(const SimulatedPort&) = delete;

    // Adds a [Ports] line to the settings (read again at every opening of the port).
    void MapPort(int number, const QString& device) {
        m_ports += "COM" + std::to_string(number) + "=" + device.toStdString() + "\r\n";
        WriteFileSafely(SettingsFilePath(), "[Settings]\r\nPORT=5\r\n[Ports]\r\n" + m_ports);
    }

    QString Link() const { return m_folder.filePath("unit"); }
    // The terminal itself (/dev/pts/N).
    QString Device() const { return m_device; }
    QString Folder() const { return m_folder.path(); }
    // Every byte the unit has received so far.
    QByteArray Received() const {
        QFile file(transcriptPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString transcriptPath() const { return m_folder.filePath("transcript.bin"); }

    QTemporaryDir m_folder;
    std::string m_ports;
    QProcess m_sim;
    QString m_device;
};
