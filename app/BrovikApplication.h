#pragma once

#include <QApplication>

namespace brovik::app {

// The application object: every failure that escapes an event handler ends here and
// goes to the installed TKelHandleException; none reaches the event loop or the user.
class BrovikApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace brovik::app
