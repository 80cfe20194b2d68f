#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace brovik::tickets {

struct PrintCopies {
    int copies = 1;
    bool collate = true;  // 1,2,3,1,2,3 rather than 1,1,2,2,3,3
};

using JobOptions = std::vector<std::pair<QString, QString>>;

// The CUPS destinations the program prints to, through the server CUPS_SERVER names (or
// the system's).
namespace cups {

// Empty when the destination exists, is enabled and accepts jobs; otherwise why not,
// as one line.
QString problemWith(const QString& printer);

// The dots per inch the destination prints at by default; 0 when CUPS does not say.
int resolutionOf(const QString& printer);

// Queues a finished PDF file as one job and returns its id; 0 with the cause in `error`
// when CUPS refuses it.
int sendPdf(const QString& printer, const QString& pdfFile, const QString& title, PrintCopies copies,
            const JobOptions& options, QString* error);

}  // namespace cups
}  // namespace brovik::tickets
