// Reading and writing whole files in window tests.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>

// The lines of a job file; empty when it is missing or a line lacks its CR LF.
inline QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith("\r\n"))
        return {};
    QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    lines.removeLast();
    return lines;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
