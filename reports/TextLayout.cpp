#include "reports/TextLayout.h"

#include <algorithm>

namespace brovik::reports {
namespace {

// Measured widths carry rounding noise; a text this close to the box still fits.
constexpr double kFitTolerance = 0.01;

// The longest prefix of `text` from `start` that fits `width`, breaking between
// characters; at least one character so a line always advances.
qsizetype fitCharacters(const QString& text, qsizetype start, double width, int font, const FontCache& fonts) {
    qsizetype end = start + 1;
    while (end < text.size() && fonts.width(font, text.mid(start, end + 1 - start)) <= width + kFitTolerance) ++end;
    return end;
}

void breakAnywhere(const QString& text, double width, int font, const FontCache& fonts, QStringList& lines) {
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = fitCharacters(text, start, width, font, fonts);
        lines.append(text.mid(start, end - start));
        start = end;
    }
}

void breakAtSpaces(const QString& text, double width, int font, const FontCache& fonts, QStringList& lines) {
    qsizetype start = 0;
    while (start < text.size()) {
        // Greedily take whole words while the line (without trailing spaces) fits.
        qsizetype lineEnd = -1;
        qsizetype pos = start;
        while (pos < text.size()) {
            qsizetype wordEnd = pos;
            while (wordEnd < text.size() && text[wordEnd] == u' ') ++wordEnd;
            while (wordEnd < text.size() && text[wordEnd] != u' ') ++wordEnd;
            if (fonts.width(font, text.mid(start, wordEnd - start)) > width + kFitTolerance) break;
            lineEnd = wordEnd;
            pos = wordEnd;
        }
        if (lineEnd < 0) lineEnd = fitCharacters(text, start, width, font, fonts);  // one word wider than the item
        lines.append(text.mid(start, lineEnd - start));
        start = lineEnd;
        while (start < text.size() && text[start] == u' ') ++start;
    }
}

void breakParagraph(const QString& paragraph, const TextFormat& format, double width, const FontCache& fonts,
                    QStringList& lines) {
    if (paragraph.isEmpty() || format.autoSize || fonts.width(format.font, paragraph) <= width + kFitTolerance) {
        lines.append(paragraph);
        return;
    }
    if (format.wrapStyle == WrapStyle::Anywhere) breakAnywhere(paragraph, width, format.font, fonts, lines);
    else breakAtSpaces(paragraph, width, format.font, fonts, lines);
}

double alignedX(TextAlignment alignment, const QRectF& box, double lineWidth) {
    switch (alignment) {
    case TextAlignment::Right: return box.right() - lineWidth;
    case TextAlignment::Center: return box.left() + (box.width() - lineWidth) / 2;
    case TextAlignment::Left: break;
    }
    return box.left();
}

QRectF autoSizedBox(const QRectF& box, TextAlignment alignment, double textWidth) {
    QRectF sized = box;
    sized.setWidth(textWidth);
    if (alignment == TextAlignment::Right) sized.moveRight(box.right());
    else if (alignment == TextAlignment::Center) sized.moveLeft(box.center().x() - textWidth / 2);
    return sized;
}

}  // namespace

QStringList breakLines(const QString& text, const TextFormat& format, double width, const FontCache& fonts) {
    QString plain = text;
    plain.remove(u'\n');
    QStringList lines;
    for (const QString& paragraph : plain.split(u'\r')) {
        breakParagraph(paragraph, format, width, fonts, lines);
        if (!format.wordWrap && !format.autoSize) {
            lines.erase(lines.begin() + 1, lines.end());
            break;
        }
    }
    return lines;
}

namespace {

void addRun(const QString& line, double width, int index, const TextFormat& format, const QRectF& area,
            const FontCache& fonts, Page& page) {
    TextRun run;
    run.text = line;
    run.x = float(alignedX(format.alignment, area, width));
    run.baseline = float(area.top() + index * fonts.lineHeight(format.font) + fonts.ascent(format.font));
    run.box = UnitRect::from(area);
    run.font = quint16(format.font);
    run.clip = width > area.width() + kFitTolerance;
    run.color = format.color;
    page.items.emplace_back(std::move(run));
}

}  // namespace

void layoutText(const QString& text, const TextFormat& format, const QRectF& box, const FontCache& fonts, Page& page) {
    if (text.isEmpty()) return;
    const double lineHeight = fonts.lineHeight(format.font);
    if (lineHeight > box.height() + kFitTolerance) return;  // not even one line fits

    // Most items hold one line that fits: no breaking needed.
    if (!text.contains(u'\r') && !text.contains(u'\n')) {
        QString stored;
        const double width = fonts.width(format.font, text, &stored);
        if (format.autoSize || width <= box.width() + kFitTolerance) {
            const QRectF area = format.autoSize ? autoSizedBox(box, format.alignment, width) : box;
            addRun(stored, width, 0, format, area, fonts, page);
            return;
        }
    }

    const QStringList lines = breakLines(text, format, box.width(), fonts);
    std::vector<double> widths;
    widths.reserve(lines.size());
    for (const QString& line : lines) widths.push_back(fonts.width(format.font, line));
    QRectF area = box;
    if (format.autoSize) area = autoSizedBox(box, format.alignment, *std::max_element(widths.begin(), widths.end()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if ((double(i) + 1) * lineHeight > area.height() + kFitTolerance) break;
        if (!lines[i].isEmpty()) addRun(lines[i], widths[i], int(i), format, area, fonts, page);
    }
}

}  // namespace brovik::reports
