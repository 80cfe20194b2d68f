#pragma once

#include <QApplication>
#include <QTranslator>

namespace brovik::app {

// The application object: every failure that escapes an event handler ends here and
// goes to the installed TKelHandleException; none reaches the event loop or the user.
// Qt's own dialogs (print, files, messages) speak Brazilian Portuguese, as the panel does,
// and Wine's Tahoma is loaded when installed.
class BrovikApplication : public QApplication {
    Q_OBJECT
public:
    BrovikApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    // False when Qt's Portuguese translation is not installed (the dialogs stay English).
    bool speaksPortuguese() const { return portuguese_; }

private:
    QTranslator qtbase_;
    bool portuguese_ = false;
};

}  // namespace brovik::app
