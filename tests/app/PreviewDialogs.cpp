#include "PreviewDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace brovik::test {

void whenModalOpens(const char* className, std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, className, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits(className) || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start();
}

template <typename T>
T* child(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("the print dialog has no %s", name);
    return widget;
}

void answerPrintDialog(const PrintChoice& choice) {
    whenModalOpens("QPrintDialog", [choice](QWidget* dialog) {
        auto* printers = child<QComboBox>(dialog, "printers");
        printers->setCurrentIndex(printers->findText(choice.printer));
        if (choice.currentPage) {
            child<QRadioButton>(dialog, "printCurrentPage")->setChecked(true);
        } else if (!choice.pages.isEmpty()) {
            child<QRadioButton>(dialog, "pagesRadioButton")->setChecked(true);
            child<QLineEdit>(dialog, "pagesLineEdit")->setText(choice.pages);
        } else {
            child<QRadioButton>(dialog, "printAll")->setChecked(true);
        }
        child<QComboBox>(dialog, "pageSetCombo")->setCurrentIndex(choice.pageSet);
        child<QSpinBox>(dialog, "copies")->setValue(choice.copies);
        child<QCheckBox>(dialog, "collate")->setChecked(choice.collate);
        for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>())
            if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) return ok->click();
        qFatal("the print dialog has no Print button");
    });
}

void answerMessageBox(QString* text) {
    whenModalOpens("QMessageBox", [text](QWidget* box) {
        *text = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
    });
}

}  // namespace brovik::test
