#include "app/BrovikApplication.h"

#include "app/TKelHandleException.h"

namespace brovik::app {

bool BrovikApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        if (TKelHandleException* handler = TKelHandleException::installed())
            handler->HandleApplicationException(receiver, failure);
    } catch (...) {
        if (TKelHandleException* handler = TKelHandleException::installed())
            handler->HandleApplicationException(receiver, FailureInfo{QStringLiteral("Exception"), QString()});
    }
    return false;
}

}  // namespace brovik::app
