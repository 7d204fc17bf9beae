#include "SystemLocale.h"

#include "QtText.h"
#include "SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

std::string LocaleDecimalSeparator() {
    return ToBytes(QLocale::system().decimalPoint());
}

JobNamingEnv SystemNamingEnv() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    JobNamingEnv env;
    env.Now = {now.date().year(), now.date().month(),  now.date().day(),
               now.time().hour(), now.time().minute(), now.time().second()};
    for (int m = 1; m <= 12; ++m) {
        env.ShortMonthNames[size_t(m - 1)] = ToBytes(locale.monthName(m, QLocale::ShortFormat));
        env.LongMonthNames[size_t(m - 1)] = ToBytes(locale.monthName(m, QLocale::LongFormat));
    }
    env.FileExists = [](const std::string& path) { return FileExists(path); };
    env.CurrentDir = QDir::currentPath().toStdString();
    return env;
}
