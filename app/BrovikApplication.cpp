#include "app/BrovikApplication.h"

#include "app/TKelHandleException.h"
#include "app/WindowFont.h"

#include <QLibraryInfo>

namespace brovik::app {

BrovikApplication::BrovikApplication(int& argc, char** argv) : QApplication(argc, argv) {
    loadTahoma();
    portuguese_ = qtbase_.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (portuguese_) installTranslator(&qtbase_);
}

bool BrovikApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleUncaught(receiver, std::current_exception());
    }
    return false;
}

}  // namespace brovik::app
