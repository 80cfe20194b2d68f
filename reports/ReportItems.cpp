#include "reports/ReportItems.h"

#include "dataset/DataError.h"
#include "dataset/Format.h"

#include <cmath>

namespace brovik::reports {
namespace {

QString maskedText(const data::Field& field, const QString& mask) {
    using data::FieldType;
    if (mask.isEmpty() || data::isTextType(field.type())) return field.displayText();
    if (field.isNull()) return {};
    switch (field.type()) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::BigInt: return fmt::formatInteger(mask, field.asLargeInt());
    case FieldType::Decimal: return fmt::formatDecimal(mask, std::get<qint64>(field.value()), field.def().scale);
    case FieldType::Float:
    case FieldType::Currency: return fmt::formatFloat(mask, field.asFloat());
    case FieldType::Date: return fmt::formatDate(mask, field.asDate());
    case FieldType::DateTime: return fmt::formatDateTime(mask, field.asDateTime());
    default: return field.displayText();
    }
}

int designPixels(double units) { return int(std::lround(units / 254.0 * 96.0 * kDesignScale)); }

}  // namespace

void TReportText::print(PrintContext& context, QPointF origin) {
    const FontSpec& chosen = font ? *font : context.reportFont;
    TextBlock block{text(), {}, box(origin)};
    block.format.font = context.fonts.indexOf(chosen);
    block.format.color = chosen.color.rgba();
    block.format.alignment = alignment;
    block.format.autoSize = autoSize;
    block.format.wordWrap = wordWrap;
    block.format.wrapStyle = wrapStyle;
    if (!transparent) context.page.items.emplace_back(FillRun{UnitRect::from(block.box), color.rgba()});
    const std::size_t first = context.page.items.size();
    const QRectF extent = layoutText(block, context.fonts, context.page);
    context.texts.add(std::move(block), first, context.page.items.size(), extent);
}

QString TReportDBText::text() const {
    if (!dataSet) return {};
    const auto& defs = dataSet->fieldDefs();
    if (fieldIndex_ < 0 || fieldIndex_ >= int(defs.size()) ||
        defs[fieldIndex_].name.compare(dataField, Qt::CaseInsensitive) != 0)
        fieldIndex_ = dataSet->fieldIndex(dataField);
    if (fieldIndex_ < 0) return {};
    try {
        return maskedText(dataSet->field(fieldIndex_), mask);
    } catch (const data::DataError&) {
        return {};  // a value that cannot be formatted prints nothing
    }
}

QString TReportExpr::text() const {
    const ExprValue value = prepared_.Value();
    if (!mask.isEmpty()) {
        if (auto i = std::get_if<qint32>(&value)) return fmt::formatInteger(mask, *i);
        if (auto r = std::get_if<double>(&value)) return fmt::formatFloat(mask, *r);
    }
    return exprText(value);
}

void TReportShape::print(PrintContext& context, QPointF origin) {
    const QRectF r = box(origin);
    if (shape == TShapeType::VerticalLine) {
        const float x = float(r.center().x());
        context.page.items.emplace_back(LineRun{x, float(r.top()), x, float(r.bottom()), penColor.rgba(), penStyle});
        return;
    }
    context.page.items.emplace_back(ShapeRun{UnitRect::from(r), penColor.rgba(), brushColor.rgba()});
}

QSize TReportImage::canvasSize() const { return QSize(designPixels(width), designPixels(height)); }

QImage& TReportImage::Canvas() {
    if (picture.isNull()) {
        picture = QImage(canvasSize(), QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    return picture;
}

void TReportImage::clearCanvas() {
    Canvas().fill(Qt::white);
    bars.clear();
}

void TReportImage::setBars(const std::vector<QRect>& drawn) {
    bars.clear();
    for (const QRect& r : drawn) {
        const QRect inside = r & QRect(0, 0, picture.width(), barRows > 0 ? barRows : picture.height());
        if (!inside.isEmpty())
            bars.push_back({quint16(inside.x()), quint16(inside.width()), quint16(inside.y()), quint16(inside.height())});
    }
}

void TReportImage::print(PrintContext& context, QPointF origin) {
    if (picture.isNull()) return;
    const QRectF r = box(origin);
    if (!bars.empty()) {
        context.page.items.emplace_back(BarcodeRun{bars, float(r.left()), float(r.top()), UnitRect::from(r)});
        return;
    }
    ImageRun run;
    run.image = context.images.visiblePart(picture, r.size());
    run.x = float(r.left());
    run.y = float(r.top());
    run.clip = UnitRect::from(r);
    context.page.items.emplace_back(std::move(run));
}

}  // namespace brovik::reports
