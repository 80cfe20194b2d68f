#pragma once

#include "reports/PageModel.h"
#include "reports/ReportBand.h"

#include <QRgb>
#include <span>

namespace brovik::reports {

// The ticket layouts describe their printable items as constant tables of these rows,
// in drawing order, with positions in millimetres from the band's top-left corner.
enum class ItemKind { Rectangle, VerticalLine, Image, Label, FieldText, ExpressionText };
enum class ItemSizing { AutoWidth, Wrap, OneLine };
enum class ItemSource { RxTalao, CdsRemessa };

struct ItemBox {
    double left, top, width, height;  // mm
};

struct ItemFont {
    const char* face = nullptr;  // null: the report's font
    double points = 0;
    bool bold = false;
    QRgb color = 0xff000000;
};

struct ItemSpec {
    const char* name;
    ItemKind kind;
    ItemBox box;
    ItemFont font = {};
    TextAlignment alignment = TextAlignment::Left;
    ItemSizing sizing = ItemSizing::OneLine;
    ItemSource source = ItemSource::RxTalao;
    const char16_t* text = u"";  // caption or expression
    const char* field = "";
    const char* mask = "";
    QRgb fill = 0xffffffff;  // rectangles
    LineStyle lineStyle = LineStyle::Solid;
};

inline constexpr QRgb kWhite = 0xffffffff;
inline constexpr QRgb kButtonFace = 0xffd4d0c8;  // the classic button-face grey
inline constexpr QRgb kMaroon = 0xff800000;
inline constexpr bool kBold = true, kRegular = false;
inline constexpr ItemFont kReportFont = {};

// Short names for the tables' columns.
inline constexpr TextAlignment kLeft = TextAlignment::Left, kRight = TextAlignment::Right, kCentre = TextAlignment::Center;
inline constexpr ItemSizing kAutoWidth = ItemSizing::AutoWidth, kWrap = ItemSizing::Wrap, kOneLine = ItemSizing::OneLine;
inline constexpr ItemSource kTalao = ItemSource::RxTalao, kCds = ItemSource::CdsRemessa;

constexpr ItemFont font(const char* face, double points, bool bold, QRgb color = 0xff000000) {
    return {face, points, bold, color};
}
constexpr ItemSpec rectangle(const char* name, ItemBox box, QRgb fill) {
    return {.name = name, .kind = ItemKind::Rectangle, .box = box, .fill = fill};
}
constexpr ItemSpec verticalLine(const char* name, ItemBox box, LineStyle style) {
    return {.name = name, .kind = ItemKind::VerticalLine, .box = box, .lineStyle = style};
}
constexpr ItemSpec image(const char* name, ItemBox box) { return {.name = name, .kind = ItemKind::Image, .box = box}; }
constexpr ItemSpec label(const char* name, ItemBox box, ItemFont f, TextAlignment a, ItemSizing s, const char16_t* caption) {
    return {.name = name, .kind = ItemKind::Label, .box = box, .font = f, .alignment = a, .sizing = s, .text = caption};
}
constexpr ItemSpec field(const char* name, ItemBox box, ItemFont f, TextAlignment a, ItemSizing s, ItemSource source,
                         const char* fieldName, const char* mask) {
    return {.name = name, .kind = ItemKind::FieldText, .box = box, .font = f, .alignment = a, .sizing = s,
            .source = source, .field = fieldName, .mask = mask};
}
constexpr ItemSpec expression(const char* name, ItemBox box, ItemFont f, TextAlignment a, ItemSizing s,
                              const char16_t* expr) {
    return {.name = name, .kind = ItemKind::ExpressionText, .box = box, .font = f, .alignment = a, .sizing = s, .text = expr};
}

// The tables field texts read.
struct ItemTables {
    data::Dataset* RxTalao = nullptr;
    data::Dataset* CdsRemessa = nullptr;
};

// Adds the items of a table to a band, in table order.
void addItems(TReportBand& band, std::span<const ItemSpec> specs, const ItemTables& tables);

}  // namespace brovik::reports
