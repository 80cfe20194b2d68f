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

// The lines a text item shows: carriage returns start lines, line feeds are dropped;
// with word wrap every paragraph is broken to `width`, without it only the first line
// so formed is kept; auto size keeps every paragraph whole.
QStringList breakLines(const QString& text, const TextFormat& format, double width, const FontCache& fonts);

// Lays a text item out in its box (report units, page coordinates) and appends its runs.
void layoutText(const QString& text, const TextFormat& format, const QRectF& box, const FontCache& fonts, Page& page);

}  // namespace brovik::reports
