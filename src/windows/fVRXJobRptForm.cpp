#include "fVRXJobRptForm.h"

#include "JobReportLayout.h"
#include "LangReport.h"
#include "QtText.h"
#include "VrxError.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kCellPadding = 3;

// Paints the bands of one copy, page by page, in report pixels.
class TReportPainter {
public:
    TReportPainter(QPainter& painter, QPagedPaintDevice& device, const TsiLang& table,
                   const TJobReportFill& fill)
        : m_painter(painter), m_device(device), m_table(table), m_fill(fill),
          m_layout(JobReportLayout()) {}

    int paint() {
        int pages = 1;
        double top = startPage();
        for (const TReportBand* band :
             {&m_layout.qrbTitle, &m_layout.qrbSep1, &m_layout.qrbDetail1, &m_layout.ChildBand1}) {
            paintBand(*band, top, band->height, band->frame);
            top += band->height;
        }
        pages += paintNotes(top);
        return pages;
    }

private:
    double footerTop() const { return kReportHeight - m_layout.PageFooterBand1.height; }

    // Page header and footer; returns where the page's body starts.
    double startPage() {
        paintBand(m_layout.PageHeaderBand1, 0, m_layout.PageHeaderBand1.height, FrameNone);
        paintBand(m_layout.PageFooterBand1, footerTop(), m_layout.PageFooterBand1.height,
                  FrameNone);
        return m_layout.PageHeaderBand1.height;
    }

    // The notes band grows with its lines; what does not fit above the page footer goes on
    // to the next page, where the band continues below the page header with a closed frame.
    // Returns the number of pages added.
    int paintNotes(double top) {
        const TNotesBand& notes = m_layout.QRChildBand1;
        // The memo follows the report's font.
        const QFont font = ReportFont(m_table, {"qmemNotes", {}, TReportFont::Base, {}, {}, {}});
        const QStringList lines = wrapNotes(font, notes.memo.width());
        const double pitch = notes.memo.height();
        const double margins = notes.memo.top() + notes.memoBottomGap;
        int added = 0;
        qsizetype next = 0;
        bool first = true;
        for (;;) {
            const double room = footerTop() - top;
            qsizetype fit = qsizetype(std::floor((room - margins) / pitch));
            if (!first)
                fit = std::max<qsizetype>(fit, 1); // a fresh page always takes a line
            const qsizetype count = std::clamp<qsizetype>(fit, 0, lines.size() - next);
            const bool last = next + count == lines.size();
            const double contentHeight = margins + count * pitch;
            const double height =
                last ? std::max(first ? notes.band.height : 0.0, contentHeight) : room;

            if (first)
                paintBand(notes.band, top, height, notes.band.frame);
            else
                paintFrame({0, top, kReportWidth, height}, FrameAll, notes.band.frameWidth);
            for (qsizetype i = 0; i < count; ++i) {
                const QRectF line = notes.memo.translated(0, top + i * pitch);
                paintText(line, lines[next + i], font, TReportAlign::Left);
            }
            if (last)
                return added;
            next += count;
            first = false;
            m_device.newPage();
            ++added;
            top = startPage();
        }
    }

    QStringList wrapNotes(const QFont& font, double width) const {
        QStringList wrapped;
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        for (const QString& note : m_fill.Notes) {
            if (note.isEmpty()) {
                wrapped << QString();
                continue;
            }
            QTextLayout layout(note, font, &m_device);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                wrapped << note.mid(line.textStart(), line.textLength());
            }
            layout.endLayout();
        }
        return wrapped;
    }

    void paintBand(const TReportBand& band, double top, double height, unsigned frame) {
        paintFrame({0, top, kReportWidth, height}, frame, band.frameWidth);
        m_painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
        for (const QLineF& divider : band.dividers)
            m_painter.drawLine(divider.translated(0, top));
        for (const TReportItem& item : band.items)
            paintItem(item, top);
    }

    void paintItem(const TReportItem& item, double top) {
        QRectF rect = item.rect.translated(0, top);
        if (item.boxed) {
            paintFrame(rect, FrameAll, 1);
            rect.adjust(kCellPadding, 0, -kCellPadding, 0);
        }
        const QString text =
            item.designText.empty() ? m_fill.Label(item.name) : ReportCaption(m_table, item);
        paintText(rect, text, ReportFont(m_table, item), item.align);
    }

    void paintText(const QRectF& rect, const QString& text, const QFont& font, TReportAlign align) {
        const TFittedText fitted = FitReportText(font, text, rect.width(), &m_device);
        const Qt::Alignment horizontal = align == TReportAlign::Left    ? Qt::AlignLeft
                                         : align == TReportAlign::Right ? Qt::AlignRight
                                                                        : Qt::AlignHCenter;
        QTextOption option(horizontal | Qt::AlignVCenter);
        option.setWrapMode(QTextOption::NoWrap);
        // Values are followed by a space that keeps them off the right edge of their cell.
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        m_painter.setFont(fitted.font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(rect, fitted.text, option);
    }

    // Lines lie inside the rectangle, so a frame never reaches into the next band.
    void paintFrame(const QRectF& rect, unsigned sides, double width) {
        if (sides == FrameNone)
            return;
        m_painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
        const double inset = width / 2;
        const double left = rect.left() + inset;
        const double right = rect.right() - inset;
        const double topY = rect.top() + inset;
        const double bottom = rect.bottom() - inset;
        if (sides & FrameLeft)
            m_painter.drawLine(QPointF(left, rect.top()), QPointF(left, rect.bottom()));
        if (sides & FrameRight)
            m_painter.drawLine(QPointF(right, rect.top()), QPointF(right, rect.bottom()));
        if (sides & FrameTop)
            m_painter.drawLine(QPointF(rect.left(), topY), QPointF(rect.right(), topY));
        if (sides & FrameBottom)
            m_painter.drawLine(QPointF(rect.left(), bottom), QPointF(rect.right(), bottom));
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    const TsiLang& m_table;
    const TJobReportFill& m_fill;
    const TJobReportLayout& m_layout;
};
} // namespace

TfrmJobRptForm::TfrmJobRptForm(int language)
    : Clock([] { return QDateTime::currentDateTime(); }), m_table(MakeReportTable()) {
    m_table.SetLanguage(language);
}

TJobReportFill TfrmJobRptForm::QuickRep1NeedData() const {
    return FillJobReport(ReportData, Clock(), Locale);
}

int TfrmJobRptForm::QuickRep1Print(QPainter& painter, QPagedPaintDevice& device) const {
    const TJobReportFill fill = QuickRep1NeedData();
    // Report pixels are 1/96 inch; a device whose printable area is smaller than the
    // report's is printed on at a reduced scale rather than cut off.
    const double scale = std::min({device.logicalDpiX() / kReportPixelsPerInch,
                                   device.width() / kReportWidth, device.height() / kReportHeight});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const int pages = TReportPainter(painter, device, m_table, fill).paint();
    painter.restore();
    return pages;
}

void PrintJobReport(const std::string& recordText, const PrintRequest& target, int language,
                    const TReportClock& clock) {
    TfrmJobRptForm report(language);
    report.ReportData.SetJobRecordText(recordText);
    if (clock)
        report.Clock = clock;

    QPrinter printer(QPrinter::HighResolution);
    std::string destination;
    if (!target.outputFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FromUtf8(target.outputFile));
        destination = target.outputFile;
    } else if (!target.printerName.empty()) {
        printer.setPrinterName(FromUtf8(target.printerName));
        // An unknown name leaves Qt on another printer; print nowhere rather than there.
        if (printer.printerName() != FromUtf8(target.printerName))
            throw TVrxError("Unable to print: the printer " + target.printerName +
                            " is not available");
        destination = "the printer " + target.printerName;
    } else {
        destination = "the default printer";
    }
    if (!target.documentName.empty())
        printer.setDocName(FromUtf8(target.documentName));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    // A printer that cannot print this close to the edge keeps its own margins.
    printer.setPageMargins(
        QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
        QPageLayout::Millimeter);

    // A device that cannot make copies itself (a PDF file) gets the pages once per copy.
    const int copies = std::max(1, target.copies);
    int passes = copies;
    if (printer.supportsMultipleCopies()) {
        printer.setCopyCount(copies);
        passes = 1;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        throw TVrxError("Unable to print to " + destination);
    for (int pass = 0; pass < passes; ++pass) {
        if (pass > 0)
            printer.newPage();
        report.QuickRep1Print(painter, printer);
    }
    painter.end();
}
