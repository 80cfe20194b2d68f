#pragma once

#include "reports/PageModel.h"
#include "reports/ReportFonts.h"
#include "reports/TextLayout.h"

#include <QRectF>
#include <cstddef>
#include <vector>

namespace brovik::reports {

// The texts one band printed, so that texts on one line whose drawn glyphs would touch
// can be drawn smaller. Design boxes overlap on purpose in places; only the ink counts.
class BandTexts {
public:
    void clear();
    // A text item whose runs are page.items[first, end), their lines taking `extent`.
    void add(TextBlock block, std::size_t first, std::size_t end, const QRectF& extent);
    // Where the ink of two texts on one line overlaps, the one that outgrew its own box is
    // drawn smaller, in half points, until a millimetre of white parts them; below the
    // smallest size it is cut short of the other.
    void separate(Page& page, FontCache& fonts);

private:
    struct Text {
        TextBlock block;
        std::size_t first, end;  // its runs on the page
        QRectF reach = {};  // where its ink can be, from its lines' extent
        // Its lines leave its box on that side: only such a text gives way, to a text there.
        bool growsLeft = false, growsRight = false;
        std::vector<TextRun> runs = {};
        bool cut = false;
        void place(const QRectF& extent);
        double scale(const FontCache& fonts) const;  // its size against the declared one
    };
    // How far each of two texts whose ink comes closer than `gap` runs out of its own box
    // towards the other.
    struct Clash {
        double a = 0, b = 0;
        bool any() const;
    };
    // Reads the runs from the page until they are taken out for resolving.
    Clash clash(const Text& a, const Text& b, double gap, const Page& page, const FontCache& fonts) const;
    static bool givesWay(const Text& a, double overrunA, const Text& b, double overrunB, const FontCache& fonts);
    bool anyClash(const Page& page, const FontCache& fonts) const;
    void resolve(const Page& page, FontCache& fonts);
    void writeBack(Page& page);

    std::vector<Text> texts_;
    bool taken_ = false;  // the runs are out of the page, in texts_
};

}  // namespace brovik::reports
