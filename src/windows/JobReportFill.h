// The texts of the job report's data labels, worked out from one job record without
// painting anything: the print time, the record's values, the weights and concentrations
// and the notes lines. The report paints what this gives; tests read it directly.
#pragma once

#include "JobRecord.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TJobReportFill {
    // Label name and text, in the order the labels are filled.
    std::vector<std::pair<std::string, QString>> Labels;
    QStringList Notes;

    // The text of a label; empty for a name the fill does not know.
    QString Label(std::string_view name) const;
};

// Notes are read from NOTE0 up to this number.
inline constexpr int kLastReportNote = 99;

// "DD-MMM-YY HH:NNa/p": 12-hour clock (12 at midnight and noon), the locale's abbreviated
// month name and time separator, "a" before noon and "p" from noon on.
QString FormatPrintedOn(const QDateTime& when, const QLocale& locale);

// The locale's time separator, as its short time format writes it (":" when it shows none).
QString TimeSeparator(const QLocale& locale);

// Fills every data label from the record. Weights and volumes are read with the locale's
// decimal separator (or a point); computed values are written with it.
TJobReportFill FillJobReport(const JobRecord& record, const QDateTime& printedAt,
                             const QLocale& locale);
