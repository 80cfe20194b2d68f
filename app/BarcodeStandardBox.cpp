#include "app/BarcodeStandardBox.h"

#include <QLineEdit>

namespace brovik::app {

BarcodeStandardBox::BarcodeStandardBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // typed text never becomes an entry
    setMaxVisibleItems(int(kBarcodeStandards.size()));
    for (const char* entry : kBarcodeStandards) addItem(QString::fromLatin1(entry));
    // Show an entry from its start: the number is what tells the entries apart.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { lineEdit()->setCursorPosition(0); });
    lineEdit()->setCursorPosition(0);
}

int BarcodeStandardBox::selectedIndex() const {
    const QString text = currentText();
    if (currentIndex() >= 0 && itemText(currentIndex()) == text) return currentIndex();
    return findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

}  // namespace brovik::app
