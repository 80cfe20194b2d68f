#include "reports/PageSelection.h"

#include <QRegularExpression>
#include <algorithm>

namespace brovik::reports {

std::vector<int> PageSelection::pagesOf(int pageCount) const {
    std::vector<int> pages;
    const auto wanted = [this](int number) {
        if (parity == Parity::Odd && number % 2 == 0) return false;
        if (parity == Parity::Even && number % 2 != 0) return false;
        return ranges.isEmpty() || ranges.contains(number);
    };
    for (int number = 1; number <= pageCount; ++number)
        if (wanted(number)) pages.push_back(number - 1);
    return pages;
}

std::variant<PageSelection, QString> PageSelection::parse(const QString& list) {
    static const QRegularExpression item(QStringLiteral(R"(^\s*(\d{1,9})\s*(?:-\s*(\d{1,9})\s*)?$)"));
    PageSelection selection;
    if (list.trimmed().isEmpty()) return QStringLiteral("empty page list");
    for (const QString& part : list.split(QLatin1Char(','))) {
        const QRegularExpressionMatch m = item.match(part);
        if (!m.hasMatch()) return QStringLiteral("'%1' is not a page or a range of pages").arg(part.trimmed());
        const int from = m.captured(1).toInt();
        const int to = m.hasCaptured(2) ? m.captured(2).toInt() : from;
        if (from < 1) return QStringLiteral("page numbers begin at 1, not '%1'").arg(part.trimmed());
        if (to < from) return QStringLiteral("'%1' runs backwards").arg(part.trimmed());
        selection.ranges.addRange(from, to);
    }
    return selection;
}

}  // namespace brovik::reports
