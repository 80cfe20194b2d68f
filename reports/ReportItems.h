#pragma once

#include "dataset/Dataset.h"
#include "reports/Expression.h"
#include "reports/BandTexts.h"
#include "reports/ImageCache.h"
#include "reports/PageModel.h"
#include "reports/ReportFonts.h"
#include "reports/TextLayout.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace brovik::reports {

// Reports are designed at 160 %; image bitmaps take their pixel size from it.
inline constexpr double kDesignScale = 1.6;

// What an item needs while it prints.
struct PrintContext {
    Page& page;
    FontCache& fonts;
    ImageCache& images;
    const FontSpec& reportFont;
    BandTexts& texts;  // what the band's text items printed so far
};

// A printable item; geometry in report units relative to its band's top-left corner.
class TReportItem {
public:
    explicit TReportItem(QString name) : name(std::move(name)) {}
    virtual ~TReportItem() = default;
    TReportItem(const TReportItem&) = delete;
    TReportItem& operator=(const TReportItem&) = delete;

    // Before a generation: binds expressions to the host's tables.
    virtual void prepare(const std::vector<data::Dataset*>& /*tables*/) {}
    virtual void print(PrintContext& context, QPointF origin) = 0;

    void setBounds(double l, double t, double w, double h) { left = l, top = t, width = w, height = h; }
    QRectF box(QPointF origin) const { return QRectF(origin.x() + left, origin.y() + top, width, height); }

    QString name;
    double left = 0, top = 0, width = 0, height = 0;
    bool enabled = true;
    QColor color = Qt::white;  // the background of an item that is not transparent
};

// The label fields shared by every text item.
class TReportText : public TReportItem {
public:
    using TReportItem::TReportItem;
    void print(PrintContext& context, QPointF origin) override;
    virtual QString text() const = 0;

    std::optional<FontSpec> font;  // the report's font when unset
    TextAlignment alignment = TextAlignment::Left;
    bool autoSize = false;
    bool wordWrap = false;
    WrapStyle wrapStyle = WrapStyle::AtSpaces;
    bool transparent = true;
};

class TReportLabel : public TReportText {
public:
    using TReportText::TReportText;
    QString text() const override { return caption; }

    QString caption;
};

class TReportDBText : public TReportText {
public:
    using TReportText::TReportText;
    QString text() const override;

    data::Dataset* dataSet = nullptr;
    QString dataField;
    QString mask;

private:
    mutable int fieldIndex_ = -1;
};

class TReportExpr : public TReportText {
public:
    using TReportText::TReportText;
    void prepare(const std::vector<data::Dataset*>& tables) override { prepared_.Prepare(expression, tables); }
    QString text() const override;

    QString expression;
    QString mask;

private:
    TExpression prepared_;
};

enum class TShapeType { Rectangle, VerticalLine };

class TReportShape : public TReportItem {
public:
    using TReportItem::TReportItem;
    void print(PrintContext& context, QPointF origin) override;

    TShapeType shape = TShapeType::Rectangle;
    QColor penColor = Qt::black;
    LineStyle penStyle = LineStyle::Solid;
    QColor brushColor = Qt::white;
};

class TReportImage : public TReportItem {
public:
    using TReportItem::TReportItem;
    void print(PrintContext& context, QPointF origin) override;

    // The bitmap to draw on: created white at the box's design pixel size on first use,
    // then the same bitmap with everything drawn on it before.
    QImage& Canvas();
    // The design pixel size of the bitmap Canvas creates.
    QSize canvasSize() const;
    // A barcode drawn on the white canvas: its bars print from `bars` in whole device dots.
    // Cleared with the canvas by clearCanvas.
    void setBars(const std::vector<QRect>& drawn);
    void clearCanvas();

    QImage picture;
    std::vector<BarSpan> bars;
    // Bitmap rows the printed bars may cover, when an item below reaches into the box; 0: all.
    int barRows = 0;
    bool stretch = false;
    bool center = false;
};

}  // namespace brovik::reports
