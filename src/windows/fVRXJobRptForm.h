// The printed job report: one job record laid out in bands on Letter paper (page header with
// the print time, title, run data and job identification, the atmospheric, timer and
// concentration blocks, the notes, page footer). It is never shown; the job window fills
// ReportData and prints it to the printer or PDF file chosen in its print dialog. Long notes
// continue on further pages, each with its own page header and footer.
#pragma once

#include "DialogSeam.h"
#include "JobRecord.h"
#include "JobReportFill.h"
#include "siLang.h"

#include <QDateTime>
#include <QLocale>

#include <functional>
#include <string>

class QPagedPaintDevice;
class QPainter;

using TReportClock = std::function<QDateTime()>;

class TfrmJobRptForm {
public:
    // Captions are taken from the report's language table in the given language (1 English,
    // 2 Spanish).
    explicit TfrmJobRptForm(int language);

    JobRecord ReportData;
    // The print time's source: the local time, unless a test sets another.
    TReportClock Clock;
    // Supplies the month names, time and decimal separators.
    QLocale Locale = QLocale::system();

    // The texts of every data label from ReportData, read once per printed copy.
    TJobReportFill QuickRep1NeedData() const;

    // Paints one copy of the report onto an open painter, starting on the device's current
    // page and adding pages as the notes need them. Returns the number of pages painted.
    int QuickRep1Print(QPainter& painter, QPagedPaintDevice& device) const;

private:
    TsiLang m_table;
};

// Prints a job record (CR LF-separated record text, as JobRecordText gives it) to the target
// chosen in the print dialog: the PDF file target.outputFile when it is set, else the printer
// target.printerName (the default printer when empty), on Letter paper, portrait, with
// target.copies copies. Throws TVrxError when the printer or file cannot be opened.
void PrintJobReport(const std::string& recordText, const PrintRequest& target, int language,
                    const TReportClock& clock = {});
