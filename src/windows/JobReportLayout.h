// The job report's page and bands: where each caption, data label, value cell and dividing
// line stands. Measures are report pixels (1/96 inch) from the band's top left corner; the
// band is as wide as the printable area of a Letter page with half-inch margins.
#pragma once

#include "siLang.h"

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

class QPaintDevice;

#include <string>
#include <vector>

inline constexpr double kReportPixelsPerInch = 96.0;
inline constexpr double kReportMarginMm = 12.7;

constexpr double MmToReportPixels(double mm) {
    return mm * kReportPixelsPerInch / 25.4;
}

// The printable area: 190.5 by 254 mm.
inline constexpr double kReportWidth = MmToReportPixels(215.9 - 2 * kReportMarginMm);
inline constexpr double kReportHeight = MmToReportPixels(279.4 - 2 * kReportMarginMm);

enum class TReportFont {
    Base,      // 13 px
    PrintedOn, // 11 px
    Title,     // 19 px bold
    Heading,   // 15 px bold
    Footer,    // 8 px
};

enum TFrameSide : unsigned {
    FrameNone = 0,
    FrameLeft = 1,
    FrameTop = 2,
    FrameRight = 4,
    FrameBottom = 8,
    FrameAll = FrameLeft | FrameTop | FrameRight | FrameBottom,
    FrameOpenTop = FrameLeft | FrameRight | FrameBottom,
};

enum class TReportAlign { Left, Centre, Right };

struct TReportItem {
    std::string name; // the caption's language table key, or the data label's name
    QRectF rect;
    TReportFont font = TReportFont::Base;
    TReportAlign align = TReportAlign::Left;
    bool boxed = false;     // a value cell drawn as a framed box
    std::string designText; // a caption's own text (UTF-8); empty for a data label
};

struct TReportBand {
    std::string name;
    double height = 0;
    unsigned frame = FrameNone;
    double frameWidth = 1;
    std::vector<TReportItem> items;
    std::vector<QLineF> dividers;
};

// The notes band grows with its memo: the memo's lines start at memoTop and the band keeps
// memoBottomGap below the last one, and never gets lower than its design height.
struct TNotesBand {
    TReportBand band;
    QRectF memo; // the memo's first line; further lines follow below it
    double memoBottomGap = 0;
};

struct TJobReportLayout {
    TReportBand PageHeaderBand1;
    TReportBand qrbTitle;
    TReportBand qrbSep1;
    TReportBand qrbDetail1;
    TReportBand ChildBand1;
    TNotesBand QRChildBand1;
    TReportBand PageFooterBand1;
};

const TJobReportLayout& JobReportLayout();

// The font of a label in the report table's language: the label's own family from the table,
// else the report's, else Arial; size and weight by the label's kind.
QFont ReportFont(const TsiLang& table, const TReportItem& item);
// A caption's text in the report table's language, its design text where the table has none.
QString ReportCaption(const TsiLang& table, const TReportItem& item);

// A label's text keeps to its box: a text too wide for the label's font is set in a smaller
// size, down to three quarters of it, and what still does not fit ends in an ellipsis.
struct TFittedText {
    QFont font;
    QString text;
};
TFittedText FitReportText(const QFont& font, const QString& text, double width,
                          const QPaintDevice* device = nullptr);
