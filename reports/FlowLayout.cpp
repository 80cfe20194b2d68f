#include "reports/FlowLayout.h"

#include "dataset/Format.h"
#include "reports/LayoutItems.h"

#include <exception>

namespace brovik::reports {
namespace {

constexpr ItemSpec kTalao6Items[] = {
    rectangle("RpShape3", {1.65, -0.33, 93.27, 31.25}, kWhite),
    field("RpDBText80", {56.06, 7.61, 15.05, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, kCds, "DATA_PREVISAO", ""),
    rectangle("RpShape14", {2.65, 21.83, 54.46, 4.85}, kButtonFace),
    rectangle("RpShape15", {68.79, 5.51, 23.81, 9.70}, kButtonFace),
    label("RpLabel16", {0.83, 0.50, 10.58, 4.46}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u"REM/OP"),
    label("RpLabel19", {28.11, 0.66, 2.65, 4.46}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u" / "),
    field("RpDBText25", {7.61, 22.16, 8.27, 4.30}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, kTalao, "Setor1", ""),
    image("RpImage1", {0.83, 10.91, 66.97, 6.61}),
    field("RpDBText29", {75.41, 5.95, 15.88, 9.04}, font("Arial Narrow", 20, kBold), kLeft, kWrap, kTalao, "Tamanho", ""),
    field("RpDBText31", {10.91, 0.66, 16.70, 4.46}, font("Arial Narrow", 9, kBold), kRight, kWrap, kTalao, "Remessa", "000000"),
    field("RpDBText33", {31.42, 0.66, 5.13, 4.46}, font("Arial Narrow", 9, kBold), kLeft, kWrap, kTalao, "OC", "00"),
    label("RpLabel20", {44.65, 0.50, 9.59, 4.46}, font("Arial Narrow", 9, kBold), kLeft, kAutoWidth, u"TALÃO"),
    field("RpDBText42", {54.74, 0.50, 13.06, 4.46}, font("Arial Narrow", 9, kBold), kLeft, kWrap, kTalao, "Controle", "0000000"),
    field("RpDBText43", {84.45, 0.44, 5.29, 4.41}, font("Arial Narrow", 9, kBold), kRight, kWrap, kTalao, "Ordem1", "(0)"),
    label("RpLabel21", {3.14, 26.79, 12.90, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Modelo/Cor"),
    expression("RpExpr2", {16.76, 26.90, 51.15, 4.19}, kReportFont, kLeft, kOneLine, u"RxTalao.Modelo+' / '+RxTalao.Cor"),
    label("RpLabel24", {69.62, 5.95, 6.12, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Tam."),
    label("RpLabel27", {3.14, 22.32, 3.64, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"UP"),
    field("RpDBText48", {0.99, 18.52, 5.62, 3.64}, font("Courier New", 7, kRegular), kLeft, kAutoWidth, kTalao, "bar1", ""),
    field("RpDBText50", {70.78, 26.46, 21.61, 4.41}, font("Arial Narrow", 9, kBold), kLeft, kOneLine, kTalao, "Sku", ""),
    rectangle("RpShape16", {68.79, 14.99, 23.81, 9.70}, kWhite),
    field("RpDBText52", {74.97, 15.88, 15.43, 8.38}, font("Arial Narrow", 20, kBold), kLeft, kWrap, kTalao, "quantidade", ""),
    label("RpLabel28", {69.62, 15.88, 4.80, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Qtd."),
    label("RpLabel29", {70.94, 23.48, 4.30, 3.64}, font("Arial Narrow", 7, kRegular), kLeft, kAutoWidth, u"SKU"),
    rectangle("RpShape17", {58.43, 21.83, 10.36, 4.85}, kButtonFace),
    field("cCnj5", {59.53, 22.05, 8.16, 4.41}, font("Arial Narrow", 9, kBold, kMaroon), kCentre, kOneLine, kTalao, "Peca_Conjunto", ""),
    label("Obs3", {0.83, 4.30, 13.73, 4.13}, font("Arial Narrow", 8, kRegular), kLeft, kAutoWidth, u"Observação"),
    label("RpLabel15", {39.52, 18.69, 7.11, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, u"Dt.Prev:"),
    expression("RpExpr12", {46.96, 18.69, 25.14, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, u"CdsRemessa.Data_Previsao"),
    label("lCnj5", {58.37, 18.52, 9.76, 3.64}, font("Arial Narrow", 7, kRegular, kMaroon), kLeft, kAutoWidth, u"Conj./Peça"),
    label("RpLabel50", {48.62, 7.61, 7.11, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, u"Dt.Prev:"),
    field("RpDBText81", {0.66, 7.61, 23.48, 3.47}, font("Arial Narrow", 6, kBold), kLeft, kAutoWidth, kCds, "EMPRESA_NOMEFANTASIA", ""),
};

constexpr ItemSpec kTalao5Items[] = {
    expression("RpExpr6", {0.99, 4.80, 36.38, 3.64}, font("Arial Narrow", 6, kRegular), kCentre, kOneLine, u"'Ord.'+IbFluxo.O1+' Flx.'+IbFluxo.F1+ ' Pts.' +IbFluxo.T1"),
    expression("RpExpr7", {0.99, 6.95, 36.38, 3.47}, font("Arial Narrow", 5, kBold), kCentre, kOneLine, u"IbFluxo.D1"),
    expression("RpExpr9", {58.54, 4.80, 35.72, 3.64}, font("Arial Narrow", 6, kRegular), kCentre, kOneLine, u"'Ord.'+IbFluxo.O2+' Flx.'+IbFluxo.F2+ ' Pts.' +IbFluxo.T2"),
    expression("RpExpr10", {58.54, 6.95, 35.72, 3.47}, font("Arial Narrow", 5, kBold), kCentre, kOneLine, u"IbFluxo.D2"),
    image("CodF1", {2.15, 9.59, 33.07, 5.62}),
    verticalLine("RpShape19", {47.79, 0.17, 0.17, 15.05}, LineStyle::Solid),
    image("CodF2", {59.86, 9.59, 33.07, 5.62}),
    verticalLine("RpShape20", {58.21, 0.17, 0.17, 15.05}, LineStyle::DashDot),
    verticalLine("RpShape21", {37.37, 0.17, 0.17, 15.05}, LineStyle::DashDot),
    expression("RpExpr4", {36.71, 0.17, 10.25, 14.72}, font("Arial Narrow", 5, kBold), kCentre, kWrap, u"IbFluxo.D1"),
    expression("RpExpr11", {47.96, 0.17, 10.25, 14.72}, font("Arial Narrow", 5, kBold), kCentre, kWrap, u"IbFluxo.D2"),
    expression("RpExpr5", {0.99, 0.00, 36.38, 3.47}, font("Arial Narrow", 6, kBold), kCentre, kWrap, u"'Rem.'+RxTalao.Remessa+'/'+RxTalao.Oc+' Talão '+RxTalao.Controle"),
    expression("RpExpr8", {59.20, 0.00, 35.72, 3.47}, font("Arial Narrow", 6, kBold), kCentre, kWrap, u"'Rem.'+RxTalao.Remessa+'/'+RxTalao.Oc+' Talão '+RxTalao.Controle"),
    expression("RpExpr13", {58.37, 2.15, 35.72, 3.47}, font("Arial Narrow", 6, kBold), kCentre, kWrap, u"' Mod.'+RxTalao.Modelo"),
    expression("RpExpr15", {0.83, 2.15, 36.38, 3.47}, font("Arial Narrow", 6, kBold), kCentre, kWrap, u"' Mod.'+RxTalao.Modelo"),
};

}  // namespace

FlowLayout::StubItems FlowLayout::addStubItems(TReportBand& band, const ItemTables& tables) {
    addItems(band, kTalao6Items, tables);
    return {band.item<TReportImage>(u"RpImage1"), band.item<TReportItem>(u"lCnj5"), band.item<TReportItem>(u"cCnj5"),
            band.item<TReportLabel>(u"Obs3")};
}

FlowLayout::FlowRowItems FlowLayout::addFlowRowItems(TReportBand& band, const ItemTables& tables) {
    addItems(band, kTalao5Items, tables);
    auto& codF2 = band.item<TReportImage>(u"CodF2");
    return {band.item<TReportImage>(u"CodF1"), codF2,
            {codF2, band.item<TReportItem>(u"RpExpr8"), band.item<TReportItem>(u"RpExpr9"),
             band.item<TReportItem>(u"RpExpr10"), band.item<TReportItem>(u"RpExpr13")}};
}

FlowLayout::FlowLayout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values)
    : rxTalao_(data.RxTalao),
      ibFluxo_(data.IbFluxo),
      panel_(panel),
      values_(values),
      stub_(addStubItems(Talao6, {&data.RxTalao, &data.CdsRemessa})),
      flowRow_(addFlowRowItems(Talao5, {&data.RxTalao, &data.CdsRemessa})) {
    Qr5.dataSet = &data.RxTalao;
    Qr5.setTables({&data.RxTalao, &data.CdsRemessa, &data.IbFluxo});
    Qr5.margins = {.top = 50, .bottom = 50, .left = 100, .right = 100};
    Qr5.columns = 2;
    Qr5.title = QStringLiteral("10160 - TALÕES DE PRODUÇÃO COM FLUXO");
    Qr5.options = TReportOption::FirstPageHeader | TReportOption::LastPageFooter;
    Qr5.frame.edges = FrameEdge::Bottom;
    Qr5.printIfEmpty = true;
    Qr5.BeforePrint = [this](TReport& r, bool& p) { Qr5BeforePrint(r, p); };
    Qr5.AfterPreview = [this](TReport& r) { Qr5AfterPreview(r); };

    Talao5.height = 155.4;
    Talao5.width = 949.2;
    Talao5.dataSet = &data.IbFluxo;
    Talao5.frame.edges = FrameEdge::Bottom;
    Talao5.BeforePrint = [this](TReportBand& b, bool& p) { Talao5BeforePrint(b, p); };

    RpBand2.height = 1.7;
    RpBand2.width = 1900;
    RpBand3.height = 1.7;
    RpBand3.width = 949.2;

    Talao6.height = 319.2;
    Talao6.width = 949.2;
    Talao6.BeforePrint = [this](TReportBand& b, bool& p) { Talao6BeforePrint(b, p); };

    RpGroup4.height = 1.7;
    RpGroup4.width = 949.2;
    RpGroup4.expression = QStringLiteral("RxTalao.Controle");
    RpGroup4.footer = &RpBand3;
    RpGroup4.AfterPrint = [this](TReportBand& b, bool p) { RpGroup4AfterPrint(b, p); };

    setUpTicketControl(BarCode5, 59, 126, 200, 50);
}

void FlowLayout::Qr5BeforePrint(TReport&, bool&) {
    values_.Talao = 0;
    values_.refused.clear();
}

void FlowLayout::RpGroup4AfterPrint(TReportBand&, bool) { ++values_.Talao; }

void FlowLayout::Qr5AfterPreview(TReport&) {}

void FlowLayout::Talao6BeforePrint(TReportBand&, bool&) {
    // Whatever fails here, the stub still prints.
    try {
        drawStubBarcode(BarCode5, stub_.RpImage1, panel_, values_, rxTalao_);
        showSetPiece(stub_.lCnj5, stub_.cCnj5, rxTalao_);
        Talao5.enabled = false;
        ibFluxo_.close();
        if (rxTalao_.fieldByName(u"Ult").asBoolean()) {
            openFlow();
            Talao5.enabled = true;
        }
        if (values_.Talao == 2) {
            values_.Talao = 1;
            Qr5.NewColumn();
        }
    } catch (const std::exception&) {
    }
}

void FlowLayout::openFlow() {
    ibFluxo_.setParamValue(u"Qtd", data::Value{rxTalao_.fieldByName(u"quantidade").asFloat()});
    ibFluxo_.setParamValue(u"MODELO_ID", data::Value{rxTalao_.fieldByName(u"Modelo").asString()});
    ibFluxo_.setParamValue(u"COR_ID", data::Value{rxTalao_.fieldByName(u"Cor_id").asLargeInt()});
    ibFluxo_.setParamValue(u"TAMANHO", data::Value{rxTalao_.fieldByName(u"Tamanho_Id").asLargeInt()});
    ibFluxo_.open();
}

void FlowLayout::Talao5BeforePrint(TReportBand&, bool&) {
    // Each picture is cleared first: a row whose code cannot be read prints no barcode
    // rather than the previous row's.
    try {
        drawFlowBarcode("F1", flowRow_.CodF1);
        drawFlowBarcode("F2", flowRow_.CodF2);
        const bool evenStep = ibFluxo_.fieldByName(u"O2").asLargeInt() > 0;
        for (TReportItem& item : flowRow_.evenStep) item.enabled = evenStep;
    } catch (const std::exception&) {
    }
}

void FlowLayout::drawFlowBarcode(const char* codeField, TReportImage& picture) {
    QImage& bitmap = picture.Canvas();
    bitmap.fill(Qt::white);
    bool readable = false;
    const qint64 code = ibFluxo_.fieldByName(QString::fromLatin1(codeField)).asString().trimmed().toLongLong(&readable);
    if (!readable) return;
    const QString text = fmt::formatInteger(u"00000000", rxTalao_.fieldByName(u"Controle").asLargeInt()) +
                         fmt::formatInteger(u"0000", code);
    try {
        BarCode5.SetTyp(barcode::TBarcodeType::bcCode_2_5_interleaved);
        BarCode5.SetRatio(panel_.vRatio());
        BarCode5.SetModul(panel_.vModul());
        BarCode5.SetText(text);
        placeInside(BarCode5, picture);
        BarCode5.DrawBarcode(bitmap);
    } catch (const std::exception&) {
    }
}

}  // namespace brovik::reports
