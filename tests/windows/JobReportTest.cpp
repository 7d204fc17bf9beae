#include "JobReportFill.h"
#include "JobReportLayout.h"
#include "LangReport.h"
#include "VrxError.h"
#include "fVRXJobRptForm.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {
// Record text from lines joined with CR LF, as the job window hands it over.
std::string recordText(const QStringList& lines) {
    std::string text;
    for (const QString& line : lines)
        text += line.toLatin1().toStdString() + "\r\n";
    return text;
}

JobRecord record(const QStringList& lines) {
    JobRecord r;
    r.SetJobRecordText(recordText(lines));
    return r;
}

const QStringList kWeighedJob = {"NAME=VRX TEST Air Sampling System",
                                 "VERSION=1.2.01",
                                 "SN=00099",
                                 "DOWNLOADED=2009 21 JAN  18:15:54",
                                 "PUMPTIME=0062:58",
                                 "M3A=24.0",
                                 "M3S=23.5",
                                 "QSET=5.00",
                                 "TEMPMIN=18.1",
                                 "TEMPMAX=18.2",
                                 "TEMPAVG=18.1",
                                 "BPMIN=752",
                                 "BPMAX=753",
                                 "BPAVG=753",
                                 "FLOWAVG=4.29",
                                 "STARTDATE=09-21-JAN",
                                 "STARTTIME=14:24:18",
                                 "STOPDATE=09-21-JAN",
                                 "STOPTIME=14:24:34",
                                 "ET=0000:00",
                                 "JOBFILE=JOB0901210001.VLA",
                                 "JOBCODE=J-17",
                                 "SITENAME=North yard",
                                 "FILTERID=F123",
                                 "FINALWT=1.250",
                                 "INITIALWT=1.000",
                                 "NOTE0=Filter handled with gloves",
                                 "NOTE1=Light rain after noon",
                                 "NOTE2=Pump checked"};

const QDateTime kFiveAfterMidnight(QDate(2009, 1, 21), QTime(0, 5));

QStringList without(QStringList lines, const QString& prefix) {
    lines.removeIf([&](const QString& l) { return l.startsWith(prefix); });
    return lines;
}

struct Printed {
    QString text;
    int pages = 0;
};

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pageText(const QString& pdf, int page) {
    return runTool("pdftotext",
                   {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

int pageCount(const QString& pdf) {
    const QString info = runTool("pdfinfo", {pdf});
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// Where the printed PDFs go: a folder named by JOB_REPORT_PDF_DIR keeps them for a look.
QString outputFolder(const QTemporaryDir& temporary) {
    const QString kept = qEnvironmentVariable("JOB_REPORT_PDF_DIR");
    return kept.isEmpty() ? temporary.path() : kept;
}

// A line of the printed text that holds the caption, for checks within one row of a block.
QString rowOf(const QString& text, const QString& caption) {
    for (const QString& line : text.split('\n'))
        if (line.contains(caption))
            return line;
    return {};
}
} // namespace

class JobReportTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    Printed print(const QStringList& lines, const QString& name, int language = kLanguageEnglish,
                  int copies = 1) {
        PrintRequest target;
        target.outputFile = (outputFolder(m_dir) + "/" + name + ".pdf").toStdString();
        target.copies = copies;
        PrintJobReport(recordText(lines), target, language, [] { return kFiveAfterMidnight; });
        const QString pdf = QString::fromStdString(target.outputFile);
        Printed printed;
        printed.pages = pageCount(pdf);
        for (int page = 1; page <= printed.pages; ++page)
            printed.text += pageText(pdf, page) + "\f";
        return printed;
    }

private slots:
    void fillsLabels_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");

        const QString c = "C";
        QTest::newRow("final weight as it stands") << kWeighedJob << c << "qlblFinalWt"
                                                   << "1.250 ";
        QTest::newRow("initial weight as it stands") << kWeighedJob << c << "qlblInitialWt"
                                                     << "1.000 ";
        QTest::newRow("weight gain") << kWeighedJob << c << "qlblDeltaWt"
                                     << "0.250 ";
        QTest::newRow("actual concentration") << kWeighedJob << c << "qlblActConc"
                                              << "10.417 ";
        QTest::newRow("standard concentration") << kWeighedJob << c << "qlblStdConc"
                                                << "10.638 ";
        QTest::newRow("system name") << kWeighedJob << c << "qlblName"
                                     << "VRX TEST Air Sampling System";
        QTest::newRow("pump time") << kWeighedJob << c << "qlblPunpTime"
                                   << "0062:58";
        QTest::newRow("station code absent") << kWeighedJob << c << "qlblStation"
                                             << "";
        QTest::newRow("flow maximum") << kWeighedJob << c << "qlblQMax"
                                      << "---";
        QTest::newRow("flow minimum") << kWeighedJob << c << "qlblQMin"
                                      << "---";
        QTest::newRow("flow average") << kWeighedJob << c << "qlblQAvg"
                                      << "4.29";
        QTest::newRow("print time") << kWeighedJob << c << "qlblPrintedOn"
                                    << "21-Jan-09 12:05a";

        const QStringList noM3S = without(kWeighedJob, "M3S=");
        QTest::newRow("no M3S: standard concentration ERR") << noM3S << c << "qlblStdConc"
                                                            << "ERR";
        QTest::newRow("no M3S: empty volume") << noM3S << c << "qlblTotM3S"
                                              << "";
        QTest::newRow("no M3S: actual still computed") << noM3S << c << "qlblActConc"
                                                       << "10.417 ";
        QTest::newRow("zero actual volume")
            << without(kWeighedJob, "M3A=") + QStringList{"M3A=0"} << c << "qlblActConc"
            << "ERR";
        QTest::newRow("text as actual volume")
            << without(kWeighedJob, "M3A=") + QStringList{"M3A=abc"} << c << "qlblActConc"
            << "ERR";
        QTest::newRow("first of two actual volumes")
            << QStringList{"M3A=10.0", "M3A=20.0", "FINALWT=2.000", "INITIALWT=1.000"} << c
            << "qlblActConc"
            << "100.000 ";

        const QStringList oddWeights = {"FINALWT=abc", "INITIALWT=", "M3A=24.0"};
        QTest::newRow("unreadable weight as it stands") << oddWeights << c << "qlblFinalWt"
                                                        << "abc ";
        QTest::newRow("empty weight as a space") << oddWeights << c << "qlblInitialWt"
                                                 << " ";
        QTest::newRow("unreadable weights count as 0") << oddWeights << c << "qlblDeltaWt"
                                                       << "0.000 ";
        QTest::newRow("negative gain")
            << QStringList{"FINALWT=1.000", "INITIALWT=1.250", "M3A=24.0"} << c << "qlblActConc"
            << "-10.417 ";
        QTest::newRow("keys in any letter case")
            << QStringList{"sitename=Pier 4"} << c << "qlblSiteName"
            << "Pier 4";
        QTest::newRow("windows-1252 value") << QStringList{QString::fromLatin1("OPERATORS=Jos\xe9")}
                                            << c << "qlblOperators" << QString::fromUtf8("José");

        const QStringList commaJob = {"FINALWT=1,250", "INITIALWT=1,000", "M3A=24,0", "M3S=23.5"};
        QTest::newRow("decimal comma: gain") << commaJob << "es_ES"
                                             << "qlblDeltaWt"
                                             << "0,250 ";
        QTest::newRow("decimal comma: actual") << commaJob << "es_ES"
                                               << "qlblActConc"
                                               << "10,417 ";
        QTest::newRow("decimal comma locale reads a point") << commaJob << "es_ES"
                                                            << "qlblStdConc"
                                                            << "10,638 ";
        QTest::newRow("decimal comma: weight as it stands") << commaJob << "es_ES"
                                                            << "qlblFinalWt"
                                                            << "1,250 ";
    }
    void fillsLabels() {
        QFETCH(QStringList, lines);
        QFETCH(QString, locale);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        const TJobReportFill fill =
            FillJobReport(record(lines), kFiveAfterMidnight, QLocale(locale));
        QCOMPARE(fill.Label(label.toStdString()), expected);
    }

    void fillsNotes_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three lines")
            << QStringList{"NOTE0=a", "NOTE1=", "NOTE2=c"} << QStringList{"a", "", "c"};
        QTest::newRow("numeric order")
            << QStringList{"NOTE10=k", "NOTE2=c", "NOTE0=a"} << QStringList{"a", "c", "k"};
        QTest::newRow("first of a repeated number")
            << QStringList{"NOTE0=a", "note0=b"} << QStringList{"a"};
        QTest::newRow("NOTE99 is the last")
            << QStringList{"NOTE99=last", "NOTE100=beyond", "NOTE05=padded"} << QStringList{"last"};
        QTest::newRow("none") << QStringList{"NAME=x"} << QStringList{};
    }
    void fillsNotes() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QCOMPARE(FillJobReport(record(lines), kFiveAfterMidnight, QLocale::c()).Notes, expected);
    }

    void writesPrintTime_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        const QDate day(2009, 1, 21);
        QTest::newRow("evening") << QDateTime(day, QTime(18, 15)) << "C"
                                 << "21-Jan-09 06:15p";
        QTest::newRow("after midnight") << kFiveAfterMidnight << "C"
                                        << "21-Jan-09 12:05a";
        QTest::newRow("noon") << QDateTime(day, QTime(12, 0)) << "C"
                              << "21-Jan-09 12:00p";
        QTest::newRow("before noon") << QDateTime(day, QTime(11, 59)) << "C"
                                     << "21-Jan-09 11:59a";
        QTest::newRow("december, year 2000")
            << QDateTime(QDate(2000, 12, 5), QTime(9, 7)) << "en_US"
            << "05-Dec-00 09:07a";
        QTest::newRow("spanish month") << QDateTime(day, QTime(18, 15)) << "es_ES"
                                       << "21-ene-09 06:15p";
        QTest::newRow("point as time separator") << QDateTime(day, QTime(18, 15)) << "da_DK"
                                                 << "21-jan.-09 06.15p";
    }
    void writesPrintTime() {
        QFETCH(QDateTime, when);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(FormatPrintedOn(when, QLocale(locale)), expected);
    }

    // Every label stays inside its band and clear of the others and of the dividing lines,
    // and every caption of the language table has its place on the page.
    void layoutKeepsLabelsApart() {
        const TJobReportLayout& l = JobReportLayout();
        std::set<std::string> placed;
        for (const TReportBand* band : {&l.PageHeaderBand1, &l.qrbTitle, &l.qrbSep1, &l.qrbDetail1,
                                        &l.ChildBand1, &l.QRChildBand1.band, &l.PageFooterBand1}) {
            const QRectF bounds(0, 0, kReportWidth, band->height);
            std::vector<QRectF> rects;
            for (const TReportItem& item : band->items)
                rects.push_back(item.rect);
            if (band == &l.QRChildBand1.band)
                rects.push_back(l.QRChildBand1.memo);
            for (size_t i = 0; i < band->items.size(); ++i) {
                const TReportItem& item = band->items[i];
                placed.insert(item.name);
                QVERIFY2(bounds.contains(item.rect), item.name.c_str());
                for (size_t j = 0; j < rects.size(); ++j)
                    QVERIFY2(i == j || !item.rect.intersects(rects[j]), item.name.c_str());
                for (const QLineF& divider : band->dividers)
                    QVERIFY2(item.rect.right() < divider.x1() || item.rect.left() > divider.x1(),
                             item.name.c_str());
            }
        }
        const TsiLang table = MakeReportTable();
        for (const TLangEntry& entry : table.Entries())
            if (entry.kind == TLangKind::Caption && entry.key != "TfrmJobRptForm")
                QVERIFY2(placed.count(entry.key), entry.key.c_str());
        const double fixed = l.PageHeaderBand1.height + l.qrbTitle.height + l.qrbSep1.height +
                             l.qrbDetail1.height + l.ChildBand1.height +
                             l.QRChildBand1.band.height + l.PageFooterBand1.height;
        QVERIFY(fixed <= kReportHeight);
    }

    // No caption is cut off: the English ones fit their boxes in Arial at their own size,
    // the Spanish ones in the fallback for Tahoma at most a little smaller.
    void captionsFitTheirBoxes_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("fullSize");
        QTest::newRow("english") << kLanguageEnglish << true;
        QTest::newRow("spanish") << kLanguageSpanish << false;
    }
    void captionsFitTheirBoxes() {
        QFETCH(int, language);
        QFETCH(bool, fullSize);
        TsiLang table = MakeReportTable();
        table.SetLanguage(language);
        const TJobReportLayout& l = JobReportLayout();
        for (const TReportBand* band : {&l.qrbTitle, &l.qrbDetail1, &l.ChildBand1,
                                        &l.QRChildBand1.band, &l.PageFooterBand1}) {
            for (const TReportItem& item : band->items) {
                if (item.designText.empty())
                    continue;
                const QFont font = ReportFont(table, item);
                const QString text = ReportCaption(table, item);
                const TFittedText fitted = FitReportText(font, text, item.rect.width());
                QVERIFY2(fitted.text == text, qPrintable(text));
                if (fullSize)
                    QVERIFY2(fitted.font.pixelSize() == font.pixelSize(), qPrintable(text));
            }
        }
    }

    void printsConcentrationBlockNotesAndTime() {
        const Printed printed = print(kWeighedJob, "weighed");
        QCOMPARE(printed.pages, 1);
        QVERIFY(printed.text.contains("21-Jan-09 12:05a"));
        QVERIFY(rowOf(printed.text, "Final Wt").contains("1.250 "));
        QVERIFY(rowOf(printed.text, "Initial Wt").contains("1.000 "));
        QVERIFY(rowOf(printed.text, "Delta Wt").contains("0.250 "));
        QVERIFY(rowOf(printed.text, "Actual Conc.").contains("10.417 "));
        QVERIFY(rowOf(printed.text, "Std. Conc.").contains("10.638 "));
        for (const char* note :
             {"Filter handled with gloves", "Light rain after noon", "Pump checked"})
            QVERIFY2(printed.text.contains(note), note);
        QVERIFY(rowOf(printed.text, "Notes:").contains("Filter handled with gloves"));
        QVERIFY(printed.text.indexOf("Light rain after noon") <
                printed.text.indexOf("Pump checked"));
        QVERIFY(rowOf(printed.text, "Downloaded:").contains("2009 21 JAN"));
        QVERIFY(rowOf(printed.text, "Site Name:").contains("North yard"));
        QVERIFY(printed.text.contains("Example Instruments, Sampletown"));
        QVERIFY(printed.text.contains("www.example.com"));
    }

    void printsErrForMissingStandardVolume() {
        const Printed printed = print(without(kWeighedJob, "M3S="), "no-m3s");
        QVERIFY(rowOf(printed.text, "Std. Conc.").contains("ERR"));
        QVERIFY(rowOf(printed.text, "Actual Conc.").contains("10.417 "));
    }

    void leavesOutNote100() {
        const Printed printed = print({"NOTE0=first note", "NOTE100=hundredth note"}, "note-100");
        QVERIFY(printed.text.contains("first note"));
        QVERIFY(!printed.text.contains("hundredth note"));
    }

    void printsSpanishCaptions() {
        const Printed printed = print(kWeighedJob, "spanish", kLanguageSpanish);
        QVERIFY(printed.text.contains("Sistema de Samping del aire de VRX"));
        QVERIFY(rowOf(printed.text, "Peso Final").contains("1.250 "));
        QVERIFY(rowOf(printed.text, "Notas:").contains("Filter handled with gloves"));
        QVERIFY(!printed.text.contains("Concentration Data:"));
    }

    void continuesLongNotesOnFurtherPages() {
        QStringList lines = kWeighedJob.mid(0, 20);
        for (int n = 0; n < 300; ++n)
            lines << QString("NOTE%1=Note line %1.").arg(n);
        const Printed printed = print(lines, "long-notes");
        QVERIFY(printed.pages > 1);
        const QStringList pages = printed.text.split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), printed.pages);
        for (const QString& page : pages) {
            QVERIFY(page.contains("21-Jan-09 12:05a"));
            QVERIFY(page.contains("Example Instruments, Sampletown"));
            QVERIFY(page.contains("www.example.com"));
        }
        QVERIFY(pages.last().contains("Note line 99."));
        qsizetype at = 0;
        for (int n = 0; n < 100; ++n) {
            const qsizetype found = printed.text.indexOf(QString("Note line %1.").arg(n), at);
            QVERIFY2(found >= 0, qPrintable(QString::number(n)));
            at = found;
        }
        QVERIFY(!printed.text.contains("Note line 100."));
    }

    void printsEachCopyToAFile() {
        QCOMPARE(print(kWeighedJob, "two-copies", kLanguageEnglish, 2).pages, 2);
    }

    void refusesTargetsItCannotPrintTo_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("file");
        QTest::newRow("missing folder") << ""
                                        << "/no/such/folder/report.pdf";
        QTest::newRow("unknown printer") << "No Such Printer"
                                         << "";
    }
    void refusesTargetsItCannotPrintTo() {
        QFETCH(QString, printer);
        QFETCH(QString, file);
        PrintRequest target;
        target.printerName = printer.toStdString();
        target.outputFile = file.toStdString();
        QVERIFY_THROWS_EXCEPTION(TVrxError,
                                 PrintJobReport(recordText(kWeighedJob), target, kLanguageEnglish));
    }
};

int main(int argc, char** argv) {
    // Month names, time and decimal separators of the printed page follow the system locale.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    JobReportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "JobReportTest.moc"
