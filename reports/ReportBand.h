#pragma once

#include "reports/Expression.h"
#include "reports/ReportItems.h"

#include <QColor>
#include <QFlags>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <vector>

namespace brovik::reports {

class TReport;

enum class TReportBandType { rbPageHeader, rbDetail, rbGroupHeader, rbGroupFooter, rbSubDetail };

enum class FrameEdge { Left = 1, Top = 2, Right = 4, Bottom = 8 };
Q_DECLARE_FLAGS(FrameEdges, FrameEdge)
Q_DECLARE_OPERATORS_FOR_FLAGS(FrameEdges)

// Lines drawn along the edges of a rectangle, inside it.
struct Frame {
    FrameEdges edges;
    QColor color = Qt::black;
    double width = 1;  // points
};

class TReportBand {
public:
    using BeforePrintHandler = std::function<void(TReportBand&, bool& print)>;
    using AfterPrintHandler = std::function<void(TReportBand&, bool printed)>;

    TReportBand(TReport& report, QString name, TReportBandType kind) : name(std::move(name)), kind(kind), report_(&report) {}
    virtual ~TReportBand() = default;
    TReportBand(const TReportBand&) = delete;
    TReportBand& operator=(const TReportBand&) = delete;

    TReport& report() const { return *report_; }

    // Adds an item at the end of the drawing order.
    template <class Item>
    Item& add(QString itemName) {
        items_.push_back(std::make_unique<Item>(std::move(itemName)));
        return static_cast<Item&>(*items_.back());
    }
    const std::vector<std::unique_ptr<TReportItem>>& items() const { return items_; }
    TReportItem* findItem(QStringView itemName) const;
    // The named item as the kind a handler steers; a missing name or another kind is a
    // fault of the layout's item table, raised when the layout is built.
    template <class Item>
    Item& item(QStringView itemName) const {
        auto* found = dynamic_cast<Item*>(findItem(itemName));
        if (!found) throwNoSuchItem(itemName);
        return *found;
    }

    QString name;
    TReportBandType kind;
    double height = 0, width = 0;
    QColor color = Qt::white;
    Frame frame;
    bool enabled = true;
    BeforePrintHandler BeforePrint;
    AfterPrintHandler AfterPrint;

private:
    [[noreturn]] void throwNoSuchItem(QStringView itemName) const;

    TReport* report_;
    std::vector<std::unique_ptr<TReportItem>> items_;
};

// A band of its own walk over a data set; it is the detail band of that walk.
class TReportSubDetail : public TReportBand {
public:
    TReportSubDetail(TReport& report, QString name) : TReportBand(report, std::move(name), TReportBandType::rbSubDetail) {}

    data::Dataset* dataSet = nullptr;
    TReportSubDetail* master = nullptr;  // null: the report's own walk
    bool printBefore = false;
    bool printIfEmpty = true;
};

// A band printed whenever its expression changes value along its master's walk.
class TReportGroup : public TReportBand {
public:
    TReportGroup(TReport& report, QString name) : TReportBand(report, std::move(name), TReportBandType::rbGroupHeader) {}

    QString expression;
    TReportSubDetail* master = nullptr;  // null: the report's own walk
    TReportBand* footer = nullptr;

private:
    friend class ReportGenerator;
    TExpression prepared_;
    ExprValue value_;
    bool changed_ = false;
};

}  // namespace brovik::reports
