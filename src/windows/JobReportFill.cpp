#include "JobReportFill.h"

#include "Concentration.h"
#include "QtText.h"
#include "StrngLib.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
// Data labels and the record keys they print, in the report's fill order.
const struct {
    const char* label;
    const char* key;
} kValueLabels[] = {
    {"qlblDownloaded", "DOWNLOADED"},
    {"qlblName", "NAME"},
    {"qlblVer", "VERSION"},
    {"qlblSN", "SN"},
    {"qlblPunpTime", "PUMPTIME"},
    {"qlblQSet", "QSET"},
    {"qlblTotM3A", "M3A"},
    {"qlblTotM3S", "M3S"},
    {"qlblJobFile", "JOBFILE"},
    {"qlblJobCode", "JOBCODE"},
    {"qlblSiteName", "SITENAME"},
    {"qlblStation", "STATIONCODE"},
    {"qlblOperators", "OPERATORS"},
    {"qlblUser1", "USER1"},
    {"qlblUser2", "USER2"},
    {"qlblBPMax", "BPMAX"},
    {"qlblBPMin", "BPMIN"},
    {"qlblBPAvg", "BPAVG"},
    {"qlblTaMax", "TEMPMAX"},
    {"qlblTaMin", "TEMPMIN"},
    {"qlblTaAvg", "TEMPAVG"},
    {"qlblQAvg", "FLOWAVG"},
    {"qlblStartDate", "STARTDATE"},
    {"qlblStartTime", "STARTTIME"},
    {"qlblStopDate", "STOPDATE"},
    {"qlblStopTime", "STOPTIME"},
    {"qlblET", "ET"},
    {"qlblFilterID", "FILTERID"},
};

const QString kValueSpace = " ";
const QString kNoFlowLimit = "---";
} // namespace

QString TJobReportFill::Label(std::string_view name) const {
    const auto found = std::find_if(Labels.begin(), Labels.end(),
                                    [&](const auto& label) { return label.first == name; });
    return found == Labels.end() ? QString() : found->second;
}

QString TimeSeparator(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype at = format.indexOf(QRegularExpression("[hH]"));
    if (at < 0)
        return ":";
    while (at < format.size() && (format[at] == 'h' || format[at] == 'H'))
        ++at;
    QString separator;
    for (; at < format.size() && format[at] != 'm'; ++at)
        if (format[at] != '\'')
            separator += format[at];
    return separator.isEmpty() ? ":" : separator;
}

QString FormatPrintedOn(const QDateTime& when, const QLocale& locale) {
    const QDate date = when.date();
    const QTime time = when.time();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const auto twoDigits = [](int n) { return QString::number(n).rightJustified(2, '0'); };
    return twoDigits(date.day()) + "-" + locale.monthName(date.month(), QLocale::ShortFormat) +
           "-" + twoDigits(date.year() % 100) + " " + twoDigits(hour) + TimeSeparator(locale) +
           twoDigits(time.minute()) + (time.hour() < 12 ? "a" : "p");
}

TJobReportFill FillJobReport(const JobRecord& record, const QDateTime& printedAt,
                             const QLocale& locale) {
    TJobReportFill fill;
    const auto set = [&](const char* label, const QString& text) {
        fill.Labels.emplace_back(label, text);
    };
    set("qlblPrintedOn", FormatPrintedOn(printedAt, locale));
    for (const auto& v : kValueLabels)
        set(v.label, FromBytes(record.GetJobValue(v.key)));
    set("qlblQMax", kNoFlowLimit);
    set("qlblQMin", kNoFlowLimit);

    // Weights print as they stand; the arithmetic reads them as numbers (0 when unreadable).
    const std::string finalWt = record.GetJobValue("FINALWT");
    const std::string initialWt = record.GetJobValue("INITIALWT");
    set("qlblFinalWt", FromBytes(finalWt) + kValueSpace);
    set("qlblInitialWt", FromBytes(initialWt) + kValueSpace);

    const std::string separator = ToBytes(locale.decimalPoint());
    const TConcentrations c =
        ComputeConcentrations(record, ParseStoredNumber(Trim(finalWt), separator).value_or(0.0),
                              ParseStoredNumber(Trim(initialWt), separator).value_or(0.0),
                              separator, MissingM3S::TreatAsZero);
    const auto computed = [](const std::string& text) {
        return FromBytes(text) + (text == "ERR" ? QString() : kValueSpace);
    };
    set("qlblDeltaWt", computed(c.DeltaWt));
    set("qlblActConc", computed(c.ActConc));
    set("qlblStdConc", computed(c.StdConc));

    for (int n = 0; n <= kLastReportNote; ++n) {
        const std::string key = "NOTE" + std::to_string(n);
        if (record.FindJobKey(key) >= 0)
            fill.Notes << FromBytes(record.GetJobValue(key));
    }
    return fill;
}
