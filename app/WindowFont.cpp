#include "app/WindowFont.h"

#include <QFile>
#include <QFontDatabase>

namespace brovik::app {

QFont windowFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(11);
    return f;
}

QFont boldOf(QFont font) {
    font.setBold(true);
    if (!QFontDatabase::styles(QStringLiteral("Tahoma")).contains(QStringLiteral("Bold")))
        font.setFamilies({QStringLiteral("Liberation Sans")});
    return font;
}

void loadTahoma() {
    const QString file = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(file)) QFontDatabase::addApplicationFont(file);
}

}  // namespace brovik::app
