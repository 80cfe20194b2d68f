#include "LargeBatch.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <stdexcept>

namespace brovik::bench {
namespace {

const QString kSourceDir = QStringLiteral(BENCH_SOURCE_DIR);

bool upToDate(const QString& path) {
    const QFileInfo db(path);
    if (!db.exists() || db.size() == 0) return false;
    for (const char* input : {"scripts/make-large-db.sh", "db/large.sql", "db/schema.sql"})
        if (QFileInfo(kSourceDir + u'/' + QLatin1String(input)).lastModified() > db.lastModified()) return false;
    return true;
}

}  // namespace

QString LargeBatch::describe() const {
    return QStringLiteral("%1 tickets x %2 sectors (%3 stubs)").arg(tickets()).arg(sectors).arg(stubs());
}

QString largeDatabase(const LargeBatch& b) {
    const QString dir = QStringLiteral(BENCH_BINARY_DIR "/bench-data");
    const QString path = QStringLiteral("%1/large-%2x%3x%4x%5.fdb").arg(dir).arg(b.orders).arg(b.ticketsPerOrder).arg(b.sectors).arg(b.flowSteps);
    if (upToDate(path)) return path;
    QDir().mkpath(dir);
    QProcess make;
    make.setProcessChannelMode(QProcess::MergedChannels);
    make.start(kSourceDir + QStringLiteral("/scripts/make-large-db.sh"),
               {path, QString::number(b.orders), QString::number(b.ticketsPerOrder), QString::number(b.sectors),
                QString::number(b.flowSteps)});
    if (!make.waitForFinished(600000) || make.exitStatus() != QProcess::NormalExit || make.exitCode() != 0) {
        QFile::remove(path);
        throw std::runtime_error("building " + path.toStdString() + " failed: " + make.readAll().toStdString());
    }
    return path;
}

}  // namespace brovik::bench
