#include "tickets/CupsPrinting.h"

#include <cups/cups.h>
#include <cmath>
#include <memory>

namespace brovik::tickets::cups {
namespace {

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

struct OptionList {
    int count = 0;
    cups_option_t* options = nullptr;
    OptionList() = default;
    OptionList(const OptionList&) = delete;
    OptionList& operator=(const OptionList&) = delete;
    ~OptionList() { cupsFreeOptions(count, options); }
    void add(const char* name, const QByteArray& value) { count = cupsAddOption(name, value.constData(), count, &options); }
};

QString lastCupsError() { return QString::fromUtf8(cupsLastErrorString()); }

}  // namespace

QString problemWith(const QString& printer) {
    if (printer.trimmed().isEmpty()) return QStringLiteral("no printer named");
    const QByteArray name = printer.toUtf8();
    const Dest dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
    if (!dest) {
        if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return QStringLiteral("printing system unavailable: %1").arg(lastCupsError());
        return QStringLiteral("unknown printer '%1'").arg(printer);
    }
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && QByteArray(state) == QByteArray::number(int(IPP_PSTATE_STOPPED)))
        return QStringLiteral("printer '%1' is disabled").arg(printer);
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && QByteArray(accepting) == "false") return QStringLiteral("printer '%1' is not accepting jobs").arg(printer);
    return {};
}

int resolutionOf(const QString& printer) {
    const Dest dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr));
    if (!dest) return 0;
    const std::unique_ptr<cups_dinfo_t, decltype(&cupsFreeDestInfo)> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()), &cupsFreeDestInfo);
    if (!info) return 0;
    ipp_attribute_t* resolution = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), "printer-resolution");
    if (!resolution || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION) return 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    int y = 0;
    const int x = ippGetResolution(resolution, 0, &y, &units);
    return units == IPP_RES_PER_CM ? int(std::lround(x * 2.54)) : x;
}

int sendPdf(const QString& printer, const QString& pdfFile, const QString& title, PrintCopies copies,
            const JobOptions& extra, QString* error) {
    OptionList options;
    for (const auto& [name, value] : extra) options.add(name.toUtf8().constData(), value.toUtf8());
    options.add("copies", QByteArray::number(std::max(1, copies.copies)));
    options.add("collate", copies.collate ? "true" : "false");
    options.add("media", "A4");
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), pdfFile.toLocal8Bit().constData(),
                                   title.toUtf8().constData(), options.count, options.options);
    if (job == 0 && error) *error = QStringLiteral("printer '%1': %2").arg(printer, lastCupsError());
    return job;
}

}  // namespace brovik::tickets::cups
