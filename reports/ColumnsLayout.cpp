#include "reports/ColumnsLayout.h"

#include "reports/LayoutItems.h"

namespace brovik::reports {
namespace {

constexpr ItemSpec kRpSubDetail1Items[] = {
    rectangle("RpShape18", {1.54, 0.00, 91.28, 31.31}, kWhite),
    field("RpDBText79", {55.56, 8.10, 15.05, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, kCds, "DATA_PREVISAO", ""),
    rectangle("RpShape25", {1.98, 21.83, 54.46, 4.85}, kButtonFace),
    rectangle("RpShape26", {68.13, 5.51, 23.81, 9.70}, kButtonFace),
    label("RpLabel30", {1.49, 0.33, 10.58, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u"REM/OP"),
    label("RpLabel31", {21.33, 0.33, 2.65, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u" / "),
    field("RpDBText54", {6.78, 22.16, 8.27, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, kTalao, "Setor1", ""),
    image("RpImage3", {2.15, 12.57, 64.99, 6.61}),
    field("RpDBText57", {74.74, 5.95, 15.88, 9.04}, font("Arial Narrow", 20, kBold), kLeft, kWrap, kTalao, "Tamanho", ""),
    field("RpDBText58", {13.23, 0.50, 8.76, 4.46}, font("Arial Narrow", 9, kBold), kRight, kWrap, kTalao, "Remessa", "000000"),
    field("RpDBText59", {23.81, 0.50, 5.13, 4.46}, font("Arial Narrow", 9, kBold), kLeft, kWrap, kTalao, "OC", "00"),
    label("RpLabel33", {44.48, 0.33, 9.59, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u"TALÃO"),
    field("RpDBText70", {54.46, 0.44, 13.01, 4.41}, font("Arial Narrow", 9, kBold), kLeft, kWrap, kTalao, "Controle", "0000000"),
    field("RpDBText71", {83.78, 1.10, 5.29, 4.41}, font("Arial Narrow", 9, kBold), kRight, kWrap, kTalao, "Ordem1", "(0)"),
    label("RpLabel34", {2.65, 26.79, 12.90, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Modelo/Cor"),
    expression("RpExpr14", {16.04, 26.79, 49.94, 4.13}, kReportFont, kLeft, kAutoWidth, u"RxTalao.Modelo+' / '+RxTalao.Cor"),
    label("RpLabel61", {68.96, 6.12, 6.12, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Tam."),
    label("RpLabel62", {2.65, 22.32, 3.64, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"UP"),
    field("RpDBText73", {1.82, 18.52, 5.62, 3.64}, font("Courier New", 7, kRegular), kLeft, kAutoWidth, kTalao, "bar1", ""),
    rectangle("RpShape27", {68.13, 14.99, 23.81, 9.70}, kWhite),
    field("RpDBText74", {74.74, 15.21, 15.43, 8.38}, font("Arial Narrow", 20, kBold), kLeft, kWrap, kTalao, "quantidade", ""),
    label("RpLabel64", {70.11, 23.48, 4.30, 3.64}, font("Arial Narrow", 7, kRegular), kLeft, kAutoWidth, u"SKU"),
    rectangle("RpShape28", {57.77, 21.83, 10.36, 4.85}, kButtonFace),
    field("cCnj1", {58.87, 22.05, 8.16, 4.41}, font("Arial Narrow", 9, kBold, kMaroon), kCentre, kOneLine, kTalao, "Peca_Conjunto", ""),
    field("RpDBText76", {74.91, 22.65, 4.80, 4.13}, font("Arial Narrow", 8, kBold), kLeft, kAutoWidth, kTalao, "Sku", ""),
    field("RpDBText77", {83.67, 26.79, 8.76, 4.13}, font("Arial Narrow", 8, kBold), kRight, kAutoWidth, kTalao, "Cliente", ""),
    label("Obs2", {1.49, 4.30, 13.73, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Observação"),
    label("lCnj1", {57.88, 18.52, 9.76, 3.64}, font("Arial Narrow", 7, kRegular, kMaroon), kLeft, kAutoWidth, u"Conj./Peça"),
    label("RpLabel63", {68.96, 15.88, 4.80, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Qtd."),
    field("RpDBText78", {1.49, 8.10, 23.48, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, kCds, "EMPRESA_NOMEFANTASIA", ""),
    label("RpLabel59", {48.12, 8.10, 7.11, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, u"Dt.Prev:"),
};

}  // namespace

ColumnsLayout::StubItems ColumnsLayout::addStubItems(TReportBand& band, const ItemTables& tables) {
    addItems(band, kRpSubDetail1Items, tables);
    return {band.item<TReportImage>(u"RpImage3"), band.item<TReportItem>(u"lCnj1"), band.item<TReportItem>(u"cCnj1")};
}

ColumnsLayout::ColumnsLayout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values)
    : rxTalao_(data.RxTalao),
      panel_(panel),
      values_(values),
      stub_(addStubItems(RpSubDetail1, {&data.RxTalao, &data.CdsRemessa})) {
    Qr6.dataSet = &data.RxTalao;
    Qr6.setTables({&data.RxTalao, &data.CdsRemessa, &data.IbFluxo});
    Qr6.orientation = QPageLayout::Landscape;
    Qr6.margins = {.top = 50, .bottom = 0, .left = 80, .right = 80};
    Qr6.columns = 3;
    Qr6.title = QStringLiteral("10160 - TALÕES DE PRODUÇÃO");
    Qr6.options = TReportOption::FirstPageHeader | TReportOption::LastPageFooter;
    Qr6.frame.edges = FrameEdge::Bottom;
    Qr6.printIfEmpty = true;
    Qr6.BeforePrint = [this](TReport&, bool&) { values_.refused.clear(); };

    RpGroup1.height = 1.7;
    RpGroup1.width = 936;
    RpGroup1.expression = QStringLiteral("RxTalao.Oc");
    RpGroup1.master = &RpSubDetail1;
    RpGroup1.BeforePrint = [this](TReportBand& b, bool& p) { RpGroup1BeforePrint(b, p); };
    RpGroup1.AfterPrint = [this](TReportBand& b, bool p) { RpGroup1AfterPrint(b, p); };

    RpSubDetail1.height = 317.5;
    RpSubDetail1.width = 936;
    RpSubDetail1.dataSet = &data.RxTalao;
    RpSubDetail1.BeforePrint = [this](TReportBand& b, bool& p) { Qr6BeforePrint(b, p); };

    setUpTicketControl(BarCode1, -7, 43, 200, 43);
}

void ColumnsLayout::RpGroup1BeforePrint(TReportBand&, bool&) { Qr6.NewColumn(); }

void ColumnsLayout::RpGroup1AfterPrint(TReportBand&, bool) { values_.ID5 = rxTalao_.fieldByName(u"Controle").asLargeInt(); }

void ColumnsLayout::Qr6BeforePrint(TReportBand&, bool&) {
    drawStubBarcode(BarCode1, stub_.RpImage3, panel_, values_, rxTalao_);
    showSetPiece(stub_.lCnj1, stub_.cCnj1, rxTalao_);
    const qint64 controle = rxTalao_.fieldByName(u"Controle").asLargeInt();
    if (controle != values_.ID5) {
        Qr6.NewColumn();
        values_.ID5 = controle;
    }
}

}  // namespace brovik::reports
