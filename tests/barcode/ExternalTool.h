#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace brovik::barcode::test {

struct ToolResult {
    int exitCode = -1;
    QString output;
};

inline bool toolPresent(const QString& name) { return !QStandardPaths::findExecutable(name).isEmpty(); }

inline ToolResult runTool(const QString& name, const QStringList& arguments) {
    QProcess process;
    process.start(name, arguments);
    if (!process.waitForFinished(30000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

}  // namespace brovik::barcode::test
