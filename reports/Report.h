#pragma once

#include "dataset/Dataset.h"
#include "reports/PageModel.h"
#include "reports/ReportBand.h"
#include "reports/ReportFonts.h"

#include <QFlags>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace brovik::reports {

enum class TReportOption { FirstPageHeader = 1, LastPageFooter = 2 };
Q_DECLARE_FLAGS(TReportOptions, TReportOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TReportOptions)

struct Margins {
    double top = 0, bottom = 0, left = 0, right = 0;  // report units
};

// Told between records while pages are generated; returning false cancels the generation.
class GenerationObserver {
public:
    virtual ~GenerationObserver() = default;
    virtual bool keepGoing(int pagesSoFar) = 0;
};

struct GenerationResult {
    Document document;
    bool cancelled = false;
};

class TReport;
class ReportGenerator;

// Shows a report's pages in a window; the application installs one. Without one,
// Preview only generates the pages (headless runs).
class ReportPreviewHost {
public:
    virtual ~ReportPreviewHost() = default;
    virtual void preview(TReport& report) = 0;
};

// A banded report over a master data set, producing pages of primitives.
class TReport {
public:
    using BeforePrintHandler = std::function<void(TReport&, bool& print)>;
    using AfterPreviewHandler = std::function<void(TReport&)>;

    explicit TReport(QString name);
    ~TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    TReportBand& addBand(QString bandName, TReportBandType kind);
    TReportGroup& addGroup(QString bandName);
    TReportSubDetail& addSubDetail(QString bandName);
    const std::vector<std::unique_ptr<TReportBand>>& bands() const { return bands_; }
    TReportBand* findBand(QStringView bandName) const;

    // The tables and queries of the window hosting the report: expressions find theirs here.
    void setTables(std::vector<data::Dataset*> tables) { tables_ = std::move(tables); }
    const std::vector<data::Dataset*>& tables() const { return tables_; }

    // A4 in report units, width x length as printed.
    QSizeF paperSize() const;

    // Generates every page; handlers run here and only here.
    GenerationResult Generate(GenerationObserver* observer = nullptr);
    // Generates the pages, shows them, and returns when the preview closes.
    void Preview();
    static void setPreviewHost(ReportPreviewHost* host);
    // The pages of the last Preview without a host.
    const Document& lastDocument() const { return lastDocument_; }

    // For handlers during a generation.
    void NewPage();
    void NewColumn();

    QString name;
    data::Dataset* dataSet = nullptr;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    Margins margins;
    int columns = 1;
    double columnSpace = 0;
    QString title;
    TReportOptions options = TReportOption::FirstPageHeader;
    FontSpec font;
    Frame frame;
    bool printIfEmpty = true;
    BeforePrintHandler BeforePrint;
    AfterPreviewHandler AfterPreview;

private:
    friend class ReportGenerator;
    std::vector<std::unique_ptr<TReportBand>> bands_;
    std::vector<data::Dataset*> tables_;
    ReportGenerator* generator_ = nullptr;
    Document lastDocument_;
};

}  // namespace brovik::reports
