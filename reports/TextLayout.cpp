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

// The lines of a text at one size, and their widths.
struct Lines {
    QStringList lines;
    std::vector<double> widths;
};

Lines linesAt(const TextBlock& block, int font, const FontCache& fonts) {
    TextFormat format = block.format;
    format.font = font;
    Lines out{breakLines(block.text, format, block.box.width(), fonts), {}};
    out.widths.reserve(out.lines.size());
    for (const QString& line : out.lines) out.widths.push_back(fonts.width(font, line));
    return out;
}

// The text up to its first carriage return: all that a one-line item shows.
QString firstParagraph(const QString& text) {
    QString plain = text.section(u'\r', 0, 0);
    plain.remove(u'\n');
    return plain;
}

bool oneLine(const TextFormat& format) { return !format.wordWrap && !format.autoSize; }

// Every line drawn, none wider than the box and, for one line, the whole first line.
bool showsWhole(const Lines& laid, const TextBlock& block, int font, const FontCache& fonts) {
    if (double(laid.lines.size()) * fonts.lineHeight(font) > block.box.height() + kFitTolerance) return false;
    if (block.format.autoSize) return true;
    if (oneLine(block.format) && laid.lines.front() != firstParagraph(block.text)) return false;
    return std::all_of(laid.widths.begin(), laid.widths.end(),
                       [&](double w) { return w <= block.box.width() + kFitTolerance; });
}

// A smaller single line keeps the baseline of the declared size, so that it still stands
// on the line of its neighbours; several lines stack from the item's top.
double firstBaseline(const TextBlock& block, int font, qsizetype lineCount, const FontCache& fonts) {
    const int declared = block.format.font;
    if (font != declared && lineCount == 1 && fonts.lineHeight(declared) <= block.box.height() + kFitTolerance)
        return block.box.top() + fonts.ascent(declared);
    return block.box.top() + fonts.ascent(font);
}

// Where laid-out runs go, and the area their lines take, from each line's start to its end.
struct Output {
    Page& page;
    QRectF extent = {};
};

void addRun(const QString& line, double width, double baseline, int font, const TextFormat& format, const QRectF& area,
            const FontCache& fonts, Output& out) {
    TextRun run;
    run.text = line;
    run.x = float(alignedX(format.alignment, area, width));
    run.baseline = float(baseline);
    run.box = UnitRect::from(area);
    run.font = quint16(font);
    run.clip = width > area.width() + kFitTolerance;
    run.color = format.color;
    out.extent |= QRectF(run.x, baseline - fonts.ascent(font), width, fonts.lineHeight(font));
    out.page.items.emplace_back(std::move(run));
}

void addLines(const Lines& laid, const TextBlock& block, int font, const FontCache& fonts, Output& out) {
    QRectF area = block.box;
    if (block.format.autoSize)
        area = autoSizedBox(block.box, block.format.alignment, *std::max_element(laid.widths.begin(), laid.widths.end()));
    const double lineHeight = fonts.lineHeight(font);
    const double baseline = firstBaseline(block, font, laid.lines.size(), fonts);
    for (qsizetype i = 0; i < laid.lines.size(); ++i) {
        if ((double(i) + 1) * lineHeight > area.height() + kFitTolerance) break;
        if (!laid.lines[i].isEmpty())
            addRun(laid.lines[i], laid.widths[i], baseline + double(i) * lineHeight, font, block.format, area, fonts, out);
    }
}

// Lays the text out in `font` when that shows it whole.
bool layoutWhole(const TextBlock& block, int font, FontCache& fonts, Output& out) {
    const QString& text = block.text;
    // Most items hold one line that fits: no breaking needed.
    if (!text.contains(u'\r') && !text.contains(u'\n') &&
        fonts.lineHeight(font) <= block.box.height() + kFitTolerance) {
        QString stored;
        const double width = fonts.width(font, text, &stored);
        if (block.format.autoSize || width <= block.box.width() + kFitTolerance) {
            const QRectF area = block.format.autoSize ? autoSizedBox(block.box, block.format.alignment, width) : block.box;
            addRun(stored, width, firstBaseline(block, font, 1, fonts), font, block.format, area, fonts, out);
            return true;
        }
    }
    const Lines laid = linesAt(block, font, fonts);
    if (!showsWhole(laid, block, font, fonts)) return false;
    addLines(laid, block, font, fonts, out);
    return true;
}

// The longest start of `text` that, followed by an ellipsis, fits `width`.
QString elided(const QString& text, double width, int font, const FontCache& fonts) {
    const QString ellipsis(QChar(0x2026));
    for (qsizetype keep = text.size(); keep > 0; --keep) {
        QString candidate = text.left(keep);
        while (candidate.endsWith(u' ')) candidate.chop(1);
        candidate += ellipsis;
        if (fonts.width(font, candidate) <= width + kFitTolerance) return candidate;
    }
    return ellipsis;
}

void cutTo(const TextBlock& block, const QRectF& room, FontCache& fonts, Output& out) {
    const int declared = block.format.font;
    const int font = fonts.points(declared) > kSmallestPoints ? fonts.resized(declared, kSmallestPoints) : declared;
    TextBlock cut = block;
    cut.box = room;
    cut.format.autoSize = false;  // the room is all there is
    const bool single = oneLine(block.format) || block.format.autoSize;
    Lines laid = linesAt(cut, font, fonts);
    const qsizetype shown = std::min(laid.lines.size(), qsizetype((room.height() + kFitTolerance) / fonts.lineHeight(font)));
    if (shown == 0) return;
    const bool dropped = laid.lines.size() > shown || (single && laid.lines.front() != firstParagraph(block.text));
    laid.lines.resize(shown);
    laid.widths.resize(shown);
    QString& last = laid.lines.back();
    if (dropped || laid.widths.back() > room.width() + kFitTolerance) {
        last = elided(single ? firstParagraph(block.text) : last + u' ', room.width(), font, fonts);
        laid.widths.back() = fonts.width(font, last);
    }
    for (qsizetype i = 0; i + 1 < shown; ++i)
        if (laid.widths[i] > room.width() + kFitTolerance) {
            laid.lines[i] = elided(laid.lines[i], room.width(), font, fonts);
            laid.widths[i] = fonts.width(font, laid.lines[i]);
        }
    addLines(laid, cut, font, fonts, out);
}

}  // namespace

QRectF layoutText(const TextBlock& block, FontCache& fonts, Page& page, double largest) {
    Output out{page};
    if (block.text.isEmpty()) return out.extent;
    const int declared = block.format.font;
    const double declaredPoints = fonts.points(declared);
    if (largest <= 0 || largest >= declaredPoints) {
        if (layoutWhole(block, declared, fonts, out)) return out.extent;
        largest = declaredPoints - kShrinkStep;
    }
    for (double points = largest; points >= kSmallestPoints; points -= kShrinkStep)
        if (layoutWhole(block, fonts.resized(declared, points), fonts, out)) return out.extent;
    cutTo(block, block.box, fonts, out);
    return out.extent;
}

QRectF layoutCut(const TextBlock& block, const QRectF& room, FontCache& fonts, Page& page) {
    Output out{page};
    if (!block.text.isEmpty()) cutTo(block, room, fonts, out);
    return out.extent;
}

}  // namespace brovik::reports
