#include "reports/CentredLayout.h"

#include "reports/LayoutItems.h"

namespace brovik::reports {
namespace {

constexpr ItemSpec kPageHeaderBand2Items[] = {
    rectangle("RpShape12", {48.73, 0.22, 91.72, 5.95}, kButtonFace),
    label("RpLabel46", {98.89, 0.17, 3.47, 5.46}, font("Arial Narrow", 12, kBold), kLeft, kAutoWidth, u" / "),
    field("RpDBText39", {101.86, 0.22, 7.72, 5.51}, font("Arial Narrow", 12, kBold), kLeft, kWrap, kTalao, "OC", "00"),
    field("RpDBText40", {83.34, 0.22, 15.65, 5.51}, font("Arial Narrow", 12, kBold), kRight, kWrap, kTalao, "Remessa", "000000"),
    field("RpDBText41", {127.33, 0.17, 12.40, 5.46}, font("Arial Narrow", 12, kBold), kLeft, kAutoWidth, kTalao, "Modelo", ""),
    label("RpLabel48", {49.44, 0.99, 4.30, 4.30}, font("Arial Narrow", 10, kBold), kLeft, kAutoWidth, u"OP"),
    label("RpLabel49", {119.06, 0.99, 7.61, 4.30}, font("Arial Narrow", 10, kBold), kLeft, kAutoWidth, u"MOD."),
};

constexpr ItemSpec kTalao2Items[] = {
    rectangle("RpShape10", {49.17, 0.00, 91.28, 31.31}, kWhite),
    field("RpDBText68", {103.19, 8.76, 15.05, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, kCds, "DATA_PREVISAO", ""),
    rectangle("RpShape8", {49.61, 21.83, 54.46, 4.85}, kButtonFace),
    rectangle("RpShape11", {115.76, 5.51, 23.81, 9.70}, kButtonFace),
    label("RpLabel51", {50.44, 0.33, 10.58, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u"REM/OP"),
    label("RpLabel52", {70.28, 0.33, 2.65, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u" / "),
    field("RpDBText44", {54.57, 22.16, 8.27, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, kTalao, "Setor1", ""),
    field("RpDBText46", {122.37, 5.95, 15.88, 9.04}, font("Arial Narrow", 20, kBold), kLeft, kWrap, kTalao, "Tamanho", ""),
    field("RpDBText47", {62.18, 0.44, 8.82, 4.41}, font("Arial Narrow", 9, kBold), kRight, kWrap, kTalao, "Remessa", "000000"),
    field("RpDBText49", {72.76, 0.44, 5.07, 4.41}, font("Arial Narrow", 9, kBold), kLeft, kWrap, kTalao, "OC", "00"),
    label("RpLabel53", {92.11, 0.33, 9.59, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u"TALÃO"),
    field("RpDBText51", {102.09, 0.44, 13.01, 4.41}, font("Arial Narrow", 9, kBold), kLeft, kWrap, kTalao, "Controle", "0000000"),
    field("RpDBText53", {131.41, 1.10, 5.29, 4.41}, font("Arial Narrow", 9, kBold), kRight, kWrap, kTalao, "Ordem1", "(0)"),
    label("RpLabel54", {50.27, 26.79, 12.90, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Modelo/Cor"),
    expression("RpExpr3", {63.67, 26.79, 49.94, 4.13}, kReportFont, kLeft, kAutoWidth, u"RxTalao.Modelo+' / '+RxTalao.Cor"),
    label("RpLabel55", {116.58, 6.12, 6.12, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Tam."),
    label("RpLabel57", {50.27, 22.32, 3.64, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"UP"),
    field("RpDBText69", {49.94, 18.52, 5.62, 3.64}, font("Courier New", 7, kRegular), kLeft, kAutoWidth, kTalao, "bar1", ""),
    rectangle("RpShape9", {115.76, 14.99, 23.81, 9.70}, kWhite),
    field("RpDBText45", {122.37, 15.21, 15.43, 8.38}, font("Arial Narrow", 20, kBold), kLeft, kWrap, kTalao, "quantidade", ""),
    label("RpLabel72", {117.74, 23.48, 4.30, 3.64}, font("Arial Narrow", 7, kRegular), kLeft, kAutoWidth, u"SKU"),
    rectangle("RpShape13", {105.39, 21.83, 10.36, 4.85}, kButtonFace),
    field("cCnj", {106.49, 22.05, 8.16, 4.41}, font("Arial Narrow", 9, kBold, kMaroon), kCentre, kOneLine, kTalao, "Peca_Conjunto", ""),
    field("RpDBText72", {122.54, 22.65, 4.80, 4.13}, font("Arial Narrow", 8, kBold), kLeft, kAutoWidth, kTalao, "Sku", ""),
    field("RpDBText75", {131.13, 26.79, 8.76, 4.13}, font("Arial Narrow", 8, kBold), kRight, kAutoWidth, kTalao, "Cliente", ""),
    label("Obs1", {50.44, 4.96, 13.73, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Observação"),
    label("RpLabel58", {95.75, 8.76, 7.11, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, u"Dt.Prev:"),
    label("lCnj", {105.83, 18.19, 9.76, 3.64}, font("Arial Narrow", 7, kRegular, kMaroon), kLeft, kAutoWidth, u"Conj./Peça"),
    label("RpLabel56", {116.58, 15.88, 4.80, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Qtd."),
    field("RpDBText67", {50.44, 8.76, 23.48, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, kCds, "EMPRESA_NOMEFANTASIA", ""),
    image("CodBar4", {50.27, 11.91, 64.16, 6.61}),
};

}  // namespace

CentredLayout::StubItems CentredLayout::addStubItems(TReportBand& band, const ItemTables& tables) {
    addItems(band, kTalao2Items, tables);
    return {band.item<TReportImage>(u"CodBar4"), band.item<TReportItem>(u"lCnj"), band.item<TReportItem>(u"cCnj")};
}

CentredLayout::CentredLayout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values)
    : rxTalao_(data.RxTalao),
      panel_(panel),
      values_(values),
      stub_(addStubItems(Talao2, {&data.RxTalao, &data.CdsRemessa})) {
    Qr3.dataSet = &data.RxTalao;
    Qr3.setTables({&data.RxTalao, &data.CdsRemessa, &data.IbFluxo});
    Qr3.margins = {.top = 50, .bottom = 0, .left = 100, .right = 100};
    Qr3.columns = 1;
    Qr3.title = QStringLiteral("10160 - TALÕES DE PRODUÇÃO");
    Qr3.options = TReportOption::FirstPageHeader | TReportOption::LastPageFooter;
    Qr3.frame.edges = FrameEdge::Bottom;
    Qr3.printIfEmpty = true;
    Qr3.BeforePrint = [this](TReport&, bool&) { values_.refused.clear(); };

    RpGroup2.height = 1.7;
    RpGroup2.width = 1900;
    RpGroup2.expression = QStringLiteral("RxTalao.Oc");
    RpGroup2.master = &Talao2;
    RpGroup2.BeforePrint = [this](TReportBand& b, bool& p) { RpGroup2BeforePrint(b, p); };
    RpGroup2.AfterPrint = [this](TReportBand& b, bool p) { RpGroup2AfterPrint(b, p); };

    Talao2.height = 317.5;
    Talao2.width = 1900;
    Talao2.dataSet = &data.RxTalao;
    Talao2.BeforePrint = [this](TReportBand& b, bool& p) { Talao2BeforePrint(b, p); };

    PageHeaderBand2.height = 61.2;
    PageHeaderBand2.width = 1900;

    addItems(PageHeaderBand2, kPageHeaderBand2Items, {&data.RxTalao, &data.CdsRemessa});
    setUpTicketControl(BarCode3, 209, 44, 200, 40);
}

void CentredLayout::RpGroup2BeforePrint(TReportBand&, bool&) { Qr3.NewPage(); }

void CentredLayout::RpGroup2AfterPrint(TReportBand&, bool) { values_.ID5 = rxTalao_.fieldByName(u"Controle").asLargeInt(); }

void CentredLayout::Talao2BeforePrint(TReportBand&, bool&) {
    drawStubBarcode(BarCode3, stub_.CodBar4, panel_, values_, rxTalao_);
    showSetPiece(stub_.lCnj, stub_.cCnj, rxTalao_);
    const qint64 controle = rxTalao_.fieldByName(u"Controle").asLargeInt();
    if (controle != values_.ID5) {
        Qr3.NewPage();
        values_.ID5 = controle;
    }
}

}  // namespace brovik::reports
