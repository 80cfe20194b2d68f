#include "reports/BandTexts.h"

#include <algorithm>
#include <iterator>

namespace brovik::reports {
namespace {

// The white that texts made to give way keep between them, so that they read as two.
// Texts that do not overlap stay as they are, however close.
constexpr double kInkGap = 10;
// Glyphs may stand a little outside their run's box and line; a pair further apart than
// this, with the gap, cannot touch and is not measured.
constexpr double kReachSlack = 5;

// Less than this out of its box is a glyph's overhang, not a text that outgrew its item.
constexpr double kOverrunTolerance = 0.5;

QRectF boxOf(const TextRun& run) { return QRectF(run.box.x, run.box.y, run.box.w, run.box.h); }

QRectF inkOf(const TextRun& run, const FontCache& fonts) {
    const QRectF ink = fonts.ink(run.font, run.text).translated(run.x, run.baseline);
    return run.clip ? ink & boxOf(run) : ink;
}

bool inksTouch(const QRectF& a, const QRectF& b, double gap) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return a.top() < b.bottom() && b.top() < a.bottom() && a.left() < b.right() + gap && b.left() < a.right() + gap;
}

QRectF reachOf(const QRectF& extent) {
    constexpr double across = kReachSlack + kInkGap / 2;
    return extent.adjusted(-across, -kReachSlack, across, kReachSlack);
}

QRectF inkOfAll(const std::vector<TextRun>& runs, const FontCache& fonts) {
    QRectF all;
    for (const TextRun& run : runs) all |= inkOf(run, fonts);
    return all;
}

// Which of two texts stands on the left, by their boxes: a long text may run right over
// the other.
bool leftOf(const TextBlock& a, const TextBlock& b) { return a.box.center().x() <= b.box.center().x(); }

// How far a text's ink runs out of its own box on the side that faces the other text.
double overrun(const QRectF& box, const QRectF& ink, bool facingRight) {
    return std::max(0.0, facingRight ? ink.right() - box.right() : box.left() - ink.left());
}

// The part of a text's area that stays clear of the other text's ink.
QRectF roomBeside(const QRectF& area, const QRectF& otherInk, bool facingRight) {
    QRectF room = area;
    if (facingRight) room.setRight(std::min(area.right(), otherInk.left() - kInkGap));
    else room.setLeft(std::max(area.left(), otherInk.right() + kInkGap));
    return room;
}

}  // namespace

double BandTexts::Text::scale(const FontCache& fonts) const {
    return fonts.points(runs.front().font) / fonts.points(block.format.font);
}

// Only a text that has outgrown its own box gives way. When both have, the one reduced
// least so far does, so that both keep their sizes in proportion; then the one further
// out of its box, then the later one.
bool BandTexts::givesWay(const Text& a, double overrunA, const Text& b, double overrunB, const FontCache& fonts) {
    if (overrunA <= kOverrunTolerance || overrunB <= kOverrunTolerance) return overrunA > overrunB;
    const double scaleA = a.scale(fonts), scaleB = b.scale(fonts);
    if (scaleA != scaleB) return scaleA > scaleB;
    return overrunA > overrunB;
}

bool BandTexts::Clash::any() const { return a > kOverrunTolerance || b > kOverrunTolerance; }

void BandTexts::clear() {
    texts_.clear();
    taken_ = false;
}

void BandTexts::Text::place(const QRectF& extent) {
    reach = reachOf(extent);
    growsLeft = extent.left() < block.box.left() - kOverrunTolerance;
    growsRight = extent.right() > block.box.right() + kOverrunTolerance;
}

void BandTexts::add(TextBlock block, std::size_t first, std::size_t end, const QRectF& extent) {
    if (first == end) return;
    texts_.push_back(Text{std::move(block), first, end});
    texts_.back().place(extent);
}

BandTexts::Clash BandTexts::clash(const Text& a, const Text& b, double gap, const Page& page, const FontCache& fonts) const {
    Clash c;
    const bool aLeft = leftOf(a.block, b.block);
    const bool aTowards = aLeft ? a.growsRight : a.growsLeft;
    const bool bTowards = aLeft ? b.growsLeft : b.growsRight;
    if ((!aTowards && !bTowards) || !a.reach.intersects(b.reach)) return c;
    const auto runOf = [&](const Text& t, std::size_t i) -> const TextRun& {
        return taken_ ? t.runs[i] : std::get<TextRun>(page.items[t.first + i]);
    };
    const auto runCount = [&](const Text& t) { return taken_ ? t.runs.size() : t.end - t.first; };
    for (std::size_t i = 0; i < runCount(a); ++i)
        for (std::size_t j = 0; j < runCount(b); ++j) {
            const QRectF inkA = inkOf(runOf(a, i), fonts), inkB = inkOf(runOf(b, j), fonts);
            if (!inksTouch(inkA, inkB, gap)) continue;
            if (aTowards) c.a = std::max(c.a, overrun(a.block.box, inkA, aLeft));
            if (bTowards) c.b = std::max(c.b, overrun(b.block.box, inkB, !aLeft));
        }
    return c;
}

bool BandTexts::anyClash(const Page& page, const FontCache& fonts) const {
    const auto grows = [&](std::size_t i) { return texts_[i].growsLeft || texts_[i].growsRight; };
    for (std::size_t a = 0; a < texts_.size(); ++a) {
        if (!grows(a)) continue;  // most texts fit their boxes: not measured
        for (std::size_t b = 0; b < texts_.size(); ++b)
            if (b != a && !(b < a && grows(b)) && clash(texts_[a], texts_[b], 0, page, fonts).any()) return true;
    }
    return false;
}

void BandTexts::separate(Page& page, FontCache& fonts) {
    if (texts_.size() < 2 || !anyClash(page, fonts)) return;
    for (Text& t : texts_)
        for (std::size_t i = t.first; i < t.end; ++i) t.runs.push_back(std::get<TextRun>(page.items[i]));
    taken_ = true;
    resolve(page, fonts);
    writeBack(page);
}

void BandTexts::resolve(const Page& page, FontCache& fonts) {
    // Pairs whose ink overlaps, until they stand the gap apart.
    std::vector<std::pair<std::size_t, std::size_t>> open;
    // Every step makes one text half a point smaller or cuts it for good, so this ends.
    const std::size_t steps = texts_.size() * std::size_t(40);
    for (std::size_t step = 0; step < steps; ++step) {
        for (std::size_t a = 0; a < texts_.size(); ++a)
            for (std::size_t b = a + 1; b < texts_.size(); ++b)
                if (std::find(open.begin(), open.end(), std::pair(a, b)) == open.end() &&
                    clash(texts_[a], texts_[b], 0, page, fonts).any())
                    open.emplace_back(a, b);
        Text* victim = nullptr;
        const Text* other = nullptr;
        for (auto pair = open.begin(); pair != open.end() && !victim;) {
            Text& ta = texts_[pair->first];
            Text& tb = texts_[pair->second];
            Clash c = clash(ta, tb, kInkGap, page, fonts);
            if (ta.cut) c.a = 0;
            if (tb.cut) c.b = 0;
            if (!c.any()) {
                pair = open.erase(pair);
                continue;
            }
            const bool a = givesWay(ta, c.a, tb, c.b, fonts);
            victim = a ? &ta : &tb;
            other = a ? &tb : &ta;
        }
        if (!victim) return;
        Page scratch;
        QRectF extent;
        const double points = fonts.points(victim->runs.front().font);
        if (points > kSmallestPoints) {
            extent = layoutText(victim->block, fonts, scratch, points - kShrinkStep);
        } else {
            const bool facingRight = leftOf(victim->block, other->block);
            extent = layoutCut(victim->block, roomBeside(boxOf(victim->runs.front()), inkOfAll(other->runs, fonts), facingRight),
                               fonts, scratch);
            victim->cut = true;
        }
        victim->runs.clear();
        for (const Primitive& p : scratch.items) victim->runs.push_back(std::get<TextRun>(p));
        victim->place(extent);
        if (victim->runs.empty()) victim->cut = true;
    }
}

void BandTexts::writeBack(Page& page) {
    const std::size_t from = texts_.front().first;
    std::vector<Primitive> tail;
    tail.reserve(page.items.size() - from);
    auto text = texts_.begin();
    for (std::size_t i = from; i < page.items.size();) {
        if (text != texts_.end() && i == text->first) {
            for (TextRun& run : text->runs) tail.emplace_back(std::move(run));
            i = text->end;
            ++text;
        } else {
            tail.push_back(std::move(page.items[i++]));
        }
    }
    page.items.erase(page.items.begin() + std::ptrdiff_t(from), page.items.end());
    page.items.insert(page.items.end(), std::make_move_iterator(tail.begin()), std::make_move_iterator(tail.end()));
}

}  // namespace brovik::reports
