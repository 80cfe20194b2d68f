// The encoder and the drawing over every symbology with any text, module and ratio:
// a refusal is an EBarcodeError, never a crash or an overflow.
#include "barcode/EBarcodeError.h"
#include "barcode/TBarcodeControl.h"

#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    using namespace brovik::barcode;
    TBarcodeControl control;
    control.SetTyp(static_cast<TBarcodeType>(data[0] % kBarcodeTypeCount));
    control.SetModul(data[1] % 64 - 4);
    control.SetRatio((data[2] % 64) / 8.0);
    control.SetText(QString::fromLatin1(reinterpret_cast<const char*>(data + 4), static_cast<qsizetype>(size - 4)));
    QImage image(405, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    try {
        control.DrawBarcode(image);
        (void)control.encoder().Width();
    } catch (const EBarcodeError&) {
    }
    return 0;
}
