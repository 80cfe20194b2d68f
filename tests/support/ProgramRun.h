#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

namespace brovik::test {

// One run of the brovik executable to its end, without a display.
struct ProgramRun {
    bool finished = false;  // false: it crashed or was still running at the time limit
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList& arguments, int timeoutMs = 120000);
// Starts the executable without waiting (for runs side by side); the caller owns it.
QProcess* startProgram(const QStringList& arguments);
ProgramRun finishProgram(QProcess& process, int timeoutMs = 120000);

// Writes an Alias.ini (raw bytes) into dir and returns its path.
QString writeAliasIni(const QString& dir, const QByteArray& content);

// "[PATH]\nMV=<connection string>\n" plus the given extra key lines.
QByteArray aliasIniFor(const QString& connectionString, const QByteArray& extraLines = {});

}  // namespace brovik::test
