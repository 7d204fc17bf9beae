// Conversions between the program's byte strings and what Qt shows: UTF-8 for texts of the
// language tables, Windows-1252 for data from files, settings and the unit.
#pragma once

#include "Cp1252.h"

#include <QString>

#include <string>

inline QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
inline std::string ToUtf8(const QString& s) {
    return s.toUtf8().toStdString();
}
inline QString FromBytes(const std::string& bytes) {
    return FromUtf8(Cp1252ToUtf8(bytes));
}
inline std::string ToBytes(const QString& s) {
    return Utf8ToCp1252(ToUtf8(s));
}
