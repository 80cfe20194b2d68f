#pragma once

#include "reports/PageModel.h"
#include "reports/ReportFonts.h"

#include <QRectF>
#include <QString>
#include <QStringList>

namespace brovik::reports {

enum class TextAlignment { Left, Right, Center };
enum class WrapStyle { AtSpaces, Anywhere };

struct TextFormat {
    int font = 0;
    QRgb color = 0xff000000;
    TextAlignment alignment = TextAlignment::Left;
    bool autoSize = false;
    bool wordWrap = false;
    WrapStyle wrapStyle = WrapStyle::AtSpaces;
};

// A text item as it asks to print: its text, its declared font and its box (report units,
// page coordinates; for auto size the design box whose edge the text keeps).
struct TextBlock {
    QString text;
    TextFormat format;
    QRectF box;
};

// Text smaller than this is no longer read on the floor: it is cut instead.
inline constexpr double kSmallestPoints = 5;
inline constexpr double kShrinkStep = 0.5;

// The lines a text item shows: carriage returns start lines, line feeds are dropped;
// with word wrap every paragraph is broken to `width`, without it only the first line
// so formed is kept; auto size keeps every paragraph whole.
QStringList breakLines(const QString& text, const TextFormat& format, double width, const FontCache& fonts);

// Lays a text item out in its box and appends its runs. A text that its box cannot show
// whole at the declared size is drawn smaller, in half points, at the largest size that
// fits, but not above `largest` points (0: the declared size); below the smallest size it
// is cut, ending in an ellipsis. Returns the area its lines take, from each line's start
// to its end.
QRectF layoutText(const TextBlock& block, FontCache& fonts, Page& page, double largest = 0);

// Lays a text out at the smallest size, cut with an ellipsis to what `room` can show.
QRectF layoutCut(const TextBlock& block, const QRectF& room, FontCache& fonts, Page& page);

}  // namespace brovik::reports
