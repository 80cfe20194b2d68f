#include "reports/LayoutItems.h"

namespace brovik::reports {
namespace {

constexpr double kUnitsPerMm = 10;

void place(TReportItem& item, const ItemBox& box) {
    item.setBounds(box.left * kUnitsPerMm, box.top * kUnitsPerMm, box.width * kUnitsPerMm, box.height * kUnitsPerMm);
}

void style(TReportText& text, const ItemSpec& spec) {
    if (spec.font.face)
        text.font = FontSpec{QString::fromLatin1(spec.font.face), spec.font.points, spec.font.bold, QColor::fromRgba(spec.font.color)};
    text.alignment = spec.alignment;
    text.autoSize = spec.sizing == ItemSizing::AutoWidth;
    text.wordWrap = spec.sizing == ItemSizing::Wrap;
    text.transparent = true;
}

TReportItem& addItem(TReportBand& band, const ItemSpec& spec, const ItemTables& tables) {
    const QString name = QString::fromLatin1(spec.name);
    switch (spec.kind) {
    case ItemKind::Rectangle: {
        auto& shape = band.add<TReportShape>(name);
        shape.penColor = Qt::white;
        shape.brushColor = QColor::fromRgba(spec.fill);
        return shape;
    }
    case ItemKind::VerticalLine: {
        auto& line = band.add<TReportShape>(name);
        line.shape = TShapeType::VerticalLine;
        line.penColor = Qt::black;
        line.penStyle = spec.lineStyle;
        return line;
    }
    case ItemKind::Image: return band.add<TReportImage>(name);
    case ItemKind::Label: {
        auto& label = band.add<TReportLabel>(name);
        style(label, spec);
        label.caption = QString::fromUtf16(spec.text);
        return label;
    }
    case ItemKind::FieldText: {
        auto& text = band.add<TReportDBText>(name);
        style(text, spec);
        text.dataSet = spec.source == ItemSource::CdsRemessa ? tables.CdsRemessa : tables.RxTalao;
        text.dataField = QString::fromLatin1(spec.field);
        text.mask = QString::fromLatin1(spec.mask);
        return text;
    }
    case ItemKind::ExpressionText: {
        auto& expr = band.add<TReportExpr>(name);
        style(expr, spec);
        expr.expression = QString::fromUtf16(spec.text);
        return expr;
    }
    }
    Q_UNREACHABLE();
}

}  // namespace

void addItems(TReportBand& band, std::span<const ItemSpec> specs, const ItemTables& tables) {
    for (const ItemSpec& spec : specs) place(addItem(band, spec, tables), spec.box);
}

}  // namespace brovik::reports
