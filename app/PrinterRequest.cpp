#include "app/PrinterRequest.h"

#include <QPrintEngine>
#include <QPrinter>

namespace brovik::app {
namespace {

// Where Qt's CUPS support keeps the dialog's options: name, value, name, value...
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

reports::PageSelection::Parity parityOf(const QString& pageSet) {
    if (pageSet == QLatin1String("odd")) return reports::PageSelection::Parity::Odd;
    if (pageSet == QLatin1String("even")) return reports::PageSelection::Parity::Even;
    return reports::PageSelection::Parity::All;
}

}  // namespace

PrintRequest printRequestFrom(const QPrinter& printer, int currentPage) {
    PrintRequest request;
    request.printer = printer.printerName();
    request.copies = {printer.copyCount(), printer.collateCopies()};
    switch (printer.printRange()) {
    case QPrinter::PageRange: request.pages.ranges = printer.pageRanges(); break;
    case QPrinter::CurrentPage: request.pages.ranges.addPage(currentPage + 1); break;
    case QPrinter::AllPages:
    case QPrinter::Selection: break;
    }
    const QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        const QString& name = options[i];
        if (name == QLatin1String("page-set")) request.pages.parity = parityOf(options[i + 1]);
        else if (name != QLatin1String("page-ranges")) request.options.emplace_back(name, options[i + 1]);
    }
    return request;
}

}  // namespace brovik::app
