#pragma once

#include <QComboBox>
#include <array>

namespace brovik::app {

// The barcode standards in the order of the barcode types: entry k selects type k.
inline constexpr std::array<const char*, 23> kBarcodeStandards = {
    "01.Code_2_5_interleaved", "02.Code_2_5_industrial", "03.Code_2_5_matrix", "04.Code39",
    "05.Code39Extended",       "06.Code128A",            "07.Code128B",        "08.Code128C",
    "09.Code93",               "10.Code93Extended",      "11.CodeMSI",         "12.CodePostNet",
    "13.CodeCodabar",          "14.CodeEAN8",            "15.CodeEAN13",       "16.CodeUPC_A",
    "17.CodeUPC_E0",           "18.CodeUPC_E1",          "19.CodeUPC_Supp2",   "20.CodeUPC_Supp5",
    "21.CodeEAN128A",          "22.CodeEAN128B",         "23.CodeEAN128C",
};

// The list of barcode standards with editable text. Text typed into it that is not an
// entry selects no entry; the barcodes then keep the type last used.
class BarcodeStandardBox : public QComboBox {
    Q_OBJECT
public:
    explicit BarcodeStandardBox(QWidget* parent = nullptr);
    // The position of the selected entry, -1 when the text is not one.
    int selectedIndex() const;
};

}  // namespace brovik::app
