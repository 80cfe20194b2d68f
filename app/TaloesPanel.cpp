#include "app/TaloesPanel.h"

#include "app/BarcodeStandardBox.h"
#include "app/ClickPanel.h"
#include "app/LowerCaseEdit.h"
#include "app/WholeNumberEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <climits>

namespace brovik::app {
namespace {

const QColor kSilver(192, 192, 192);

// What the panel shows at start: the defaults the command line uses too.
const tickets::TicketOptions& initialValues() {
    static const tickets::TicketOptions initial;
    return initial;
}

struct LabelItem {
    const char* name;
    int parent;  // 0 the panel, 1 pOrdem, 2 Panel18
    int left, top, width, height;
    const char* caption;
    bool bold;
};

constexpr std::array<LabelItem, 10> kLabels = {{
    {"Label7", 0, 12, 8, 118, 13, "Impressão de Talões", true},
    {"Label11", 0, 35, 31, 95, 13, "Ordem de Produção", false},
    {"Label16", 0, 173, 31, 12, 13, " a ", false},
    {"Label15", 0, 99, 57, 31, 13, "Talões", false},
    {"Label17", 0, 213, 57, 12, 13, " a ", false},
    {"Label18", 1, 24, 5, 173, 13, "Ordem do Roteiro de Produção", true},
    {"Label24", 2, 24, 6, 98, 13, "Modelo de Talões", true},
    {"lbl1", 0, 11, 227, 58, 13, "Observação", false},
    {"lbl3", 0, 11, 255, 91, 13, "Padrão Cód.Barras", false},
    {"lbl2", 0, 47, 280, 57, 13, "Ratio/Modul", false},
}};

template <typename W>
W* place(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

void makeSilverFlat(QFrame* frame) {
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, kSilver);
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
}

// The captions are laid out for Tahoma; a substitute font may need a few more pixels.
// Labels grow to the right; radio buttons grow to the left, keeping their buttons in line.
void fitCaption(QWidget* w, Qt::Edge fixedEdge) {
    const int extra = w->sizeHint().width() - w->width();
    if (extra <= 0) return;
    const QRect g = w->geometry();
    w->setGeometry(fixedEdge == Qt::LeftEdge ? g.adjusted(0, 0, extra, 0) : g.adjusted(-extra, 0, 0, 0));
}

void makeFlat(QLineEdit* box) {
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #808080; background: white; padding: 0 1px; }"));
}

QRadioButton* radio(QWidget* parent, const char* name, QRect geometry, const char* caption) {
    auto* r = place(new QRadioButton(QString::fromUtf8(caption), parent), name, geometry);
    r->setLayoutDirection(Qt::RightToLeft);  // caption to the left of the button
    fitCaption(r, Qt::RightEdge);
    return r;
}

WholeNumberEdit* wholeNumber(QWidget* parent, const char* name, QRect geometry, const char* mask,
                             std::optional<qint64> minimum, qint64 initial) {
    auto* box = place(new WholeNumberEdit(QString::fromLatin1(mask), minimum, parent), name, geometry);
    box->setValue(initial);
    makeFlat(box);
    return box;
}

}  // namespace

TaloesPanel::TaloesPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pTaloes"));
    setGeometry(8, 8, 339, 348);
    makeSilverFlat(this);

    pOrdem = place(new QFrame(this), "pOrdem", {11, 81, 313, 45});
    makeSilverFlat(pOrdem);
    Panel18 = place(new QFrame(this), "Panel18", {11, 131, 313, 86});
    makeSilverFlat(Panel18);

    buildLabels();
    buildRanges();
    buildRadioGroups();
    buildRemarkAndBarcode();
    buildClickPanels();
    chainTabOrder();
}

void TaloesPanel::buildLabels() {
    QWidget* const parents[] = {this, pOrdem, Panel18};
    for (const LabelItem& item : kLabels) {
        auto* label = place(new QLabel(QString::fromUtf8(item.caption), parents[item.parent]), item.name,
                            {item.left, item.top, item.width, item.height});
        if (item.bold) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
        }
        fitCaption(label, Qt::LeftEdge);
    }
    lbl2 = findChild<QLabel*>(QStringLiteral("lbl2"));
    lbl2->hide();
}

void TaloesPanel::buildRanges() {
    const tickets::TicketOptions& initial = initialValues();
    EditRemessa = place(new QLineEdit(initial.batchText, this), "EditRemessa", {271, 5, 58, 21});
    Op1 = wholeNumber(this, "Op1", {137, 28, 32, 21}, "00", 1, initial.op1);
    Op2 = wholeNumber(this, "Op2", {190, 28, 31, 21}, "00", std::nullopt, initial.op2);
    Tl1 = wholeNumber(this, "Tl1", {137, 54, 68, 21}, "0000000", 1, initial.tl1);
    Tl2 = wholeNumber(this, "Tl2", {231, 54, 68, 21}, "0000000", std::nullopt, initial.tl2);
    vRatio = wholeNumber(this, "vRatio", {111, 277, 20, 21}, "0", 1, initial.ratio);
    vModul = wholeNumber(this, "vModul", {132, 277, 20, 21}, "0", std::nullopt, initial.modul);
    vRatio->hide();
    vModul->hide();
}

void TaloesPanel::buildRadioGroups() {
    const tickets::TicketOptions& initial = initialValues();
    Crescente = radio(pOrdem, "Crescente", {130, 23, 66, 17}, "Crescente");
    Decrescente = radio(pOrdem, "Decrescente", {210, 23, 79, 17}, "Decrescente");
    (initial.decrescente ? Decrescente : Crescente)->setChecked(true);
    Decrescente->hide();
    TF = radio(Panel18, "TF", {67, 23, 129, 17}, "Com Fluxo de Produção");
    Centralizado = radio(Panel18, "Centralizado", {75, 41, 121, 17}, "Centralizado na Folha");
    Colunado = radio(Panel18, "Colunado", {69, 59, 127, 17}, "Três Colunas por Folha");
    radioOf(initial.layout)->setChecked(true);
}

QRadioButton* TaloesPanel::radioOf(tickets::Layout layout) const {
    using tickets::Layout;
    switch (layout) {
    case Layout::Flow: return TF;
    case Layout::Centred: return Centralizado;
    case Layout::Columns: return Colunado;
    }
    return TF;
}

void TaloesPanel::buildRemarkAndBarcode() {
    const tickets::TicketOptions& initial = initialValues();
    edtObservacao = place(new LowerCaseEdit(this), "edtObservacao", {74, 224, 250, 21});
    edtObservacao->setText(initial.remark);
    makeFlat(edtObservacao);
    cbbPadraoCodBar = place(new BarcodeStandardBox(this), "cbbPadraoCodBar", {110, 251, 147, 21});
    cbbPadraoCodBar->setCurrentIndex(initial.barcodeEntry);
}

void TaloesPanel::buildClickPanels() {
    ImprimeTaloes = place(new ClickPanel(QString::fromUtf8("&Visualizar Impressão"), this), "ImprimeTaloes",
                          {30, 304, 135, 25});
    Cancelar = place(new ClickPanel(QStringLiteral("Voltar (ESC)"), this), "Cancelar", {169, 304, 135, 25});
}

void TaloesPanel::chainTabOrder() {
    QWidget* const chain[] = {Op1, Op2, Tl1, Tl2, Crescente, Decrescente, TF, Centralizado,
                              Colunado, edtObservacao, cbbPadraoCodBar, EditRemessa};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
}

tickets::TicketOptions TaloesPanel::values() const {
    using tickets::Layout;
    tickets::TicketOptions v;
    v.batchText = EditRemessa->text();
    v.op1 = Op1->value();
    v.op2 = Op2->value();
    v.tl1 = Tl1->value();
    v.tl2 = Tl2->value();
    v.decrescente = Decrescente->isChecked();
    v.layout = Centralizado->isChecked() ? Layout::Centred : Colunado->isChecked() ? Layout::Columns : Layout::Flow;
    v.remark = edtObservacao->text();
    v.barcodeEntry = cbbPadraoCodBar->selectedIndex();
    // A box holds 64 bits; the drawing takes int.
    v.ratio = int(std::clamp<qint64>(vRatio->value(), INT_MIN, INT_MAX));
    v.modul = int(std::clamp<qint64>(vModul->value(), INT_MIN, INT_MAX));
    return v;
}

}  // namespace brovik::app
