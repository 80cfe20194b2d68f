#include "reports/Report.h"

#include "reports/ReportGenerator.h"

#include <stdexcept>

namespace brovik::reports {
namespace {

ReportPreviewHost* previewHost = nullptr;

constexpr double kA4Length = 2970, kA4Width = 2100;

}  // namespace

TReport::TReport(QString name) : name(std::move(name)) {}

TReport::~TReport() = default;

TReportBand& TReport::addBand(QString bandName, TReportBandType kind) {
    bands_.push_back(std::make_unique<TReportBand>(*this, std::move(bandName), kind));
    return *bands_.back();
}

TReportGroup& TReport::addGroup(QString bandName) {
    bands_.push_back(std::make_unique<TReportGroup>(*this, std::move(bandName)));
    return static_cast<TReportGroup&>(*bands_.back());
}

TReportSubDetail& TReport::addSubDetail(QString bandName) {
    bands_.push_back(std::make_unique<TReportSubDetail>(*this, std::move(bandName)));
    return static_cast<TReportSubDetail&>(*bands_.back());
}

TReportBand* TReport::findBand(QStringView bandName) const {
    for (const auto& band : bands_)
        if (band->name.compare(bandName, Qt::CaseInsensitive) == 0) return band.get();
    return nullptr;
}

QSizeF TReport::paperSize() const {
    return orientation == QPageLayout::Landscape ? QSizeF(kA4Length, kA4Width) : QSizeF(kA4Width, kA4Length);
}

GenerationResult TReport::Generate(GenerationObserver* observer) {
    if (generator_) throw std::logic_error("TReport::Generate: the report is already being generated");
    ReportGenerator generator(*this, observer);
    generator_ = &generator;
    struct Reset {
        ReportGenerator*& slot;
        ~Reset() { slot = nullptr; }
    } reset{generator_};
    return generator.run();
}

void TReport::Preview() {
    if (previewHost) {
        previewHost->preview(*this);
        return;
    }
    lastDocument_ = Generate().document;
    if (AfterPreview) AfterPreview(*this);
}

void TReport::setPreviewHost(ReportPreviewHost* host) { previewHost = host; }

void TReport::NewPage() {
    if (!generator_) throw std::logic_error("TReport::NewPage called outside a generation");
    generator_->newPage();
}

void TReport::NewColumn() {
    if (!generator_) throw std::logic_error("TReport::NewColumn called outside a generation");
    generator_->newColumn();
}

}  // namespace brovik::reports
