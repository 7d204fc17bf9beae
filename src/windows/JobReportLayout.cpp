#include "JobReportLayout.h"

#include "QtText.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace {
const char* const kDesignFontFamily = "Arial";
// The report's own font, which every label without a font of its own follows.
const char* const kReportFontKey = "QuickRep1";
constexpr double kRowHeight = 18;
constexpr double kRowPitch = 20;

TReportItem caption(std::string name, std::string text, QRectF rect,
                    TReportAlign align = TReportAlign::Left, TReportFont font = TReportFont::Base) {
    return {std::move(name), rect, font, align, false, std::move(text)};
}

TReportItem value(std::string name, QRectF rect, TReportAlign align = TReportAlign::Left,
                  TReportFont font = TReportFont::Base) {
    return {std::move(name), rect, font, align, false, {}};
}

TReportItem cell(std::string name, QRectF rect, TReportAlign align) {
    return {std::move(name), rect, TReportFont::Base, align, true, {}};
}

TReportBand pageHeader() {
    TReportBand b{"PageHeaderBand1", MmToReportPixels(8.5), FrameNone, 1, {}, {}};
    b.items.push_back(
        value("qlblPrintedOn", {0, 8, 260, 16}, TReportAlign::Left, TReportFont::PrintedOn));
    return b;
}

TReportBand title() {
    TReportBand b{"qrbTitle", MmToReportPixels(10.6), FrameAll, 2, {}, {}};
    b.items.push_back(caption("QRLabel1", "VRX Air Sampling System", {10, 7, 430, 26},
                              TReportAlign::Left, TReportFont::Title));
    b.items.push_back(
        caption("QRLabel18", "Downloaded:", {440, 12, 110, kRowHeight}, TReportAlign::Right));
    b.items.push_back(value("qlblDownloaded", {554, 12, 160, kRowHeight}));
    return b;
}

TReportBand spacer() {
    return {"qrbSep1", MmToReportPixels(3.4), FrameOpenTop, 1, {}, {}};
}

// Run data at the left, job identification at the right: captions right-aligned against
// their values, one row per line, split by a vertical line down the middle.
TReportBand detail() {
    TReportBand b{"qrbDetail1", MmToReportPixels(40.2), FrameOpenTop, 1, {}, {}};
    const double middle = kReportWidth / 2;
    b.dividers.push_back({middle, 0, middle, b.height});
    const auto rowTop = [](int row) { return 6 + row * kRowPitch; };

    b.items.push_back(
        value("qlblName", {8, 4, middle - 16, 20}, TReportAlign::Left, TReportFont::Heading));
    const struct {
        const char* caption;
        const char* text;
        const char* label;
    } left[] = {{"QRLabel3", "Version:", "qlblVer"},
                {"QRLabel4", "Serial No:", "qlblSN"},
                {"QRLabel5", "Pump Time:", "qlblPunpTime"},
                {"QRLabel6", "Q Set (Lpm):", "qlblQSet"},
                {"QRLabel7", "Actual Total M3:", "qlblTotM3A"},
                {"QRLabel8", "Std. Total M3:", "qlblTotM3S"}},
      right[] = {{"QRLabel2", "Data File:", "qlblJobFile"},
                 {"QRLabel23", "Job Code:", "qlblJobCode"},
                 {"QRLabel13", "Site Name:", "qlblSiteName"},
                 {"QRLabel14", "Station Code:", "qlblStation"},
                 {"QRLabel15", "Operators:", "qlblOperators"},
                 {"QRLabel16", "User 1:", "qlblUser1"},
                 {"QRLabel17", "User 2:", "qlblUser2"}};
    int row = 1;
    for (const auto& r : left) {
        b.items.push_back(
            caption(r.caption, r.text, {8, rowTop(row), 140, kRowHeight}, TReportAlign::Right));
        b.items.push_back(value(r.label, {154, rowTop(row), middle - 162, kRowHeight}));
        ++row;
    }
    row = 0;
    for (const auto& r : right) {
        b.items.push_back(caption(r.caption, r.text, {middle + 8, rowTop(row), 140, kRowHeight},
                                  TReportAlign::Right));
        b.items.push_back(value(r.label, {middle + 154, rowTop(row), middle - 162, kRowHeight}));
        ++row;
    }
    return b;
}

// Three small tables side by side: atmospheric readings, timer readings, concentration.
// Widths leave room for the Spanish captions in the wider fallback font.
constexpr double kAtmosphericLeft = 0;
constexpr double kTimerLeft = 284;
constexpr double kConcentrationLeft = 502;

void addAtmosphericBlock(TReportBand& b) {
    const double x = kAtmosphericLeft;
    const double cellWidth = 58;
    const double pitch = 62;
    const auto column = [&](int c) { return x + 28 + c * pitch; };
    b.items.push_back(caption("QRLabel19",
                              "Atmospheric Information:", {x + 6, 4, kTimerLeft - x - 12, 20},
                              TReportAlign::Left, TReportFont::Heading));
    const char* heads[][2] = {{"QRLabel22", "Max"}, {"QRLabel24", "Min"}, {"QRLabel25", "Avg"}};
    for (int c = 0; c < 3; ++c)
        b.items.push_back(caption(heads[c][0], heads[c][1],
                                  {column(c) - (pitch - cellWidth) / 2, 26, pitch, kRowHeight},
                                  TReportAlign::Centre));
    const struct {
        const char* head;
        const char* headText;
        const char* cells[3];
        const char* unit;
        const char* unitText;
    } rows[] = {
        {"QRLabel40", "BP", {"qlblBPMax", "qlblBPMin", "qlblBPAvg"}, "QRLabel36", "mm of Hg"},
        {"QRLabel41", "Ta", {"qlblTaMax", "qlblTaMin", "qlblTaAvg"}, "QRLabel37", "°C"},
        {"QRLabel42", "Q", {"qlblQMax", "qlblQMin", "qlblQAvg"}, "QRLabel38", "Lpm"},
    };
    const double unitLeft = column(2) + cellWidth + 4;
    double top = 46;
    for (const auto& r : rows) {
        b.items.push_back(caption(r.head, r.headText, {x + 6, top, 20, kRowHeight}));
        for (int c = 0; c < 3; ++c)
            b.items.push_back(
                cell(r.cells[c], {column(c), top, cellWidth, kRowHeight}, TReportAlign::Centre));
        b.items.push_back(
            caption(r.unit, r.unitText, {unitLeft, top, kTimerLeft - unitLeft - 2, kRowHeight}));
        top += kRowPitch;
    }
}

void addTimerBlock(TReportBand& b) {
    const double x = kTimerLeft;
    const QRectF date{x + 74, 0, 72, kRowHeight};
    const QRectF time{x + 148, 0, 66, kRowHeight};
    const auto at = [](QRectF r, double top) { return r.translated(0, top); };
    const auto rowHead = [&](double top) { return QRectF(x + 6, top, 66, kRowHeight); };
    b.items.push_back(caption("QRLabel20",
                              "Timer Information:", {x + 6, 4, kConcentrationLeft - x - 12, 20},
                              TReportAlign::Left, TReportFont::Heading));
    b.items.push_back(caption("QRLabel48", "Date", at(date, 26), TReportAlign::Centre));
    b.items.push_back(caption("QRLabel49", "Time", at(time, 26), TReportAlign::Centre));
    b.items.push_back(caption("QRLabel46", "Start", rowHead(46)));
    b.items.push_back(cell("qlblStartDate", at(date, 46), TReportAlign::Centre));
    b.items.push_back(cell("qlblStartTime", at(time, 46), TReportAlign::Centre));
    b.items.push_back(caption("QRLabel47", "Stop", rowHead(66)));
    b.items.push_back(cell("qlblStopDate", at(date, 66), TReportAlign::Centre));
    b.items.push_back(cell("qlblStopTime", at(time, 66), TReportAlign::Centre));
    b.items.push_back(caption("QRLabel50", "ET", rowHead(86)));
    b.items.push_back(cell("qlblET", at(date, 86), TReportAlign::Centre));
}

void addConcentrationBlock(TReportBand& b) {
    const double x = kConcentrationLeft;
    const double pitch = 16.5;
    const double height = 15;
    b.items.push_back(caption("QRLabel21",
                              "Concentration Data:", {x + 6, 3, kReportWidth - x - 12, 18},
                              TReportAlign::Left, TReportFont::Heading));
    const struct {
        const char* caption;
        const char* text;
        const char* label;
        TReportAlign align;
        const char* unit;
        const char* unitText;
    } rows[] = {
        {"QRLabel52", "Filter ID", "qlblFilterID", TReportAlign::Centre, nullptr, nullptr},
        {"QRLabel54", "Final Wt", "qlblFinalWt", TReportAlign::Right, "QRLabel59", "mg"},
        {"QRLabel56", "Initial Wt", "qlblInitialWt", TReportAlign::Right, "QRLabel60", "mg"},
        {"QRLabel61", "Delta Wt", "qlblDeltaWt", TReportAlign::Right, "QRLabel63", "mg"},
        {"QRLabel64", "Actual Conc.", "qlblActConc", TReportAlign::Right, "QRLabel66", "µg/M³"},
        {"QRLabel9", "Std. Conc.", "qlblStdConc", TReportAlign::Right, "QRLabel11", "µg/M³"},
    };
    double top = 22;
    for (const auto& r : rows) {
        b.items.push_back(caption(r.caption, r.text, {x + 6, top, 96, height}));
        b.items.push_back(cell(r.label, {x + 104, top, 70, height}, r.align));
        if (r.unit)
            b.items.push_back(caption(r.unit, r.unitText, {x + 178, top, 38, height}));
        top += pitch;
    }
}

TReportBand childBand() {
    TReportBand b{"ChildBand1", MmToReportPixels(32.8), FrameOpenTop, 1, {}, {}};
    for (double x : {kTimerLeft, kConcentrationLeft})
        b.dividers.push_back({x, 0, x, b.height});
    addAtmosphericBlock(b);
    addTimerBlock(b);
    addConcentrationBlock(b);
    return b;
}

TNotesBand notes() {
    TNotesBand n{{"QRChildBand1", MmToReportPixels(25.4), FrameOpenTop, 1, {}, {}}, {}, 6};
    n.band.items.push_back(caption("QRLabel10", "Notes:", {6, 4, 62, kRowHeight}));
    n.memo = {72, 5, kReportWidth - 80, 15};
    return n;
}

TReportBand pageFooter() {
    TReportBand b{"PageFooterBand1", MmToReportPixels(5.3), FrameNone, 1, {}, {}};
    const double half = kReportWidth / 2;
    b.items.push_back(caption("qlblMaker", "Example Instruments, Sampletown", {0, 6, half, 12},
                              TReportAlign::Left, TReportFont::Footer));
    b.items.push_back(caption("qlblWebAddress", "www.example.com", {half, 6, half, 12},
                              TReportAlign::Right, TReportFont::Footer));
    return b;
}
} // namespace

const TJobReportLayout& JobReportLayout() {
    static const TJobReportLayout layout{pageHeader(), title(), spacer(),    detail(),
                                         childBand(),  notes(), pageFooter()};
    return layout;
}

QFont ReportFont(const TsiLang& table, const TReportItem& item) {
    std::string family = table.Text(TLangKind::Font, item.name);
    if (family.empty())
        family = table.Text(TLangKind::Font, kReportFontKey);
    if (family.empty())
        family = kDesignFontFamily;
    QFont font(FromUtf8(family));
    switch (item.font) {
    case TReportFont::Base:
        font.setPixelSize(13);
        break;
    case TReportFont::PrintedOn:
        font.setPixelSize(11);
        break;
    case TReportFont::Title:
        font.setPixelSize(19);
        font.setBold(true);
        break;
    case TReportFont::Heading:
        font.setPixelSize(15);
        font.setBold(true);
        break;
    case TReportFont::Footer:
        font.setPixelSize(8);
        break;
    }
    return font;
}

QString ReportCaption(const TsiLang& table, const TReportItem& item) {
    const std::string text = table.Text(TLangKind::Caption, item.name);
    return FromUtf8(text.empty() ? item.designText : text);
}

TFittedText FitReportText(const QFont& font, const QString& text, double width,
                          const QPaintDevice* device) {
    const auto metrics = [&](const QFont& f) {
        return device ? QFontMetricsF(f, device) : QFontMetricsF(f);
    };
    QFont fitted = font;
    const int smallest = (font.pixelSize() * 3 + 3) / 4;
    while (metrics(fitted).horizontalAdvance(text) > width && fitted.pixelSize() > smallest)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return {fitted, metrics(fitted).elidedText(text, Qt::ElideRight, width)};
}
