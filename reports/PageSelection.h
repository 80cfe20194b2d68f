#pragma once

#include <QPageRanges>
#include <QString>
#include <variant>
#include <vector>

namespace brovik::reports {

// Which pages of a document to print or export: a page list such as "2,5-6" (empty: every
// page), narrowed to the odd or even page numbers. Pages beyond the document are left out.
struct PageSelection {
    enum class Parity { All, Odd, Even };

    QPageRanges ranges;
    Parity parity = Parity::All;

    // The 0-based indexes of the selected pages of a document of `pageCount` pages, in
    // page order, each once.
    std::vector<int> pagesOf(int pageCount) const;

    // A page list as typed: numbers and ranges "a-b" separated by commas. The error names
    // the part that is not one.
    static std::variant<PageSelection, QString> parse(const QString& list);
};

}  // namespace brovik::reports
