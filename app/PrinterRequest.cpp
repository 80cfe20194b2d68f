#include "app/PrinterRequest.h"

#include <QPrintEngine>
#include <QPrinter>

namespace brovik::app {
namespace {

// Where Qt's CUPS support keeps the dialog's options: name, value, name, value...
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

using Parity = reports::PageSelection::Parity;

// Qt's dialog swaps odd and even for a list that begins on an even page, because CUPS
// counts the pages of the list; here pages are chosen by their own numbers.
Parity parityOf(const QString& pageSet, const QPageRanges& list) {
    const bool swapped = !list.isEmpty() && list.firstPage() % 2 == 0;
    if (pageSet == QLatin1String("odd")) return swapped ? Parity::Even : Parity::Odd;
    if (pageSet == QLatin1String("even")) return swapped ? Parity::Odd : Parity::Even;
    return Parity::All;
}

}  // namespace

tickets::PrintRequest printRequestFrom(const QPrinter& printer, int currentPage) {
    tickets::PrintRequest request;
    request.printer = printer.printerName();
    request.copies = {printer.copyCount(), printer.collateCopies()};
    switch (printer.printRange()) {
    case QPrinter::PageRange: request.pages.ranges = printer.pageRanges(); break;
    case QPrinter::CurrentPage: request.pages.ranges.addPage(currentPage + 1); break;
    case QPrinter::AllPages:
    case QPrinter::Selection: break;
    }
    const QPageRanges dialogList = printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    const QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        const QString& name = options[i];
        if (name == QLatin1String("page-set")) request.pages.parity = parityOf(options[i + 1], dialogList);
        else if (name != QLatin1String("page-ranges")) request.options.emplace_back(name, options[i + 1]);
    }
    return request;
}

}  // namespace brovik::app
