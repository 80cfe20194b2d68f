#include "reports/LayoutItems.h"

namespace brovik::reports {
namespace {

constexpr double kUnitsPerMm = 10;

void place(TReportItem& item, const ItemBox& box) {
    item.setBounds(box.left * kUnitsPerMm, box.top * kUnitsPerMm, box.width * kUnitsPerMm, box.height * kUnitsPerMm);
}

void style(TReportText& text, const ItemSpec& row) {
    if (row.font.face)
        text.font = FontSpec{QString::fromLatin1(row.font.face), row.font.points, row.font.bold, QColor::fromRgba(row.font.color)};
    text.alignment = row.alignment;
    text.autoSize = row.sizing == ItemSizing::AutoWidth;
    text.wordWrap = row.sizing == ItemSizing::Wrap;
    text.transparent = true;
}

TReportItem& addItem(TReportBand& band, const ItemSpec& row, const ItemTables& tables) {
    const QString name = QString::fromLatin1(row.name);
    switch (row.kind) {
    case ItemKind::Rectangle: {
        auto& shape = band.add<TReportShape>(name);
        shape.penColor = Qt::white;
        shape.brushColor = QColor::fromRgba(row.fill);
        return shape;
    }
    case ItemKind::VerticalLine: {
        auto& line = band.add<TReportShape>(name);
        line.shape = TShapeType::VerticalLine;
        line.penColor = Qt::black;
        line.penStyle = row.lineStyle;
        return line;
    }
    case ItemKind::Image: return band.add<TReportImage>(name);
    case ItemKind::Label: {
        auto& label = band.add<TReportLabel>(name);
        style(label, row);
        label.caption = QString::fromUtf16(row.text);
        return label;
    }
    case ItemKind::FieldText: {
        auto& text = band.add<TReportDBText>(name);
        style(text, row);
        text.dataSet = row.source == ItemSource::CdsRemessa ? tables.CdsRemessa : tables.RxTalao;
        text.dataField = QString::fromLatin1(row.field);
        text.mask = QString::fromLatin1(row.mask);
        return text;
    }
    case ItemKind::ExpressionText: {
        auto& expr = band.add<TReportExpr>(name);
        style(expr, row);
        expr.expression = QString::fromUtf16(row.text);
        return expr;
    }
    }
    Q_UNREACHABLE();
}

}  // namespace

void addItems(TReportBand& band, std::span<const ItemSpec> specs, const ItemTables& tables) {
    for (const ItemSpec& row : specs) place(addItem(band, row, tables), row.box);
}

}  // namespace brovik::reports
