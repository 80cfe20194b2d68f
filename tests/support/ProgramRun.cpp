#include "ProgramRun.h"

#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <memory>

#include <unistd.h>

#include <stdexcept>

namespace brovik::test {

QProcess* startProgram(const QStringList& arguments) {
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Without it Qt warns on stderr, which the tests read as the program's own.
    if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR"))) {
        const QString runtime = QDir::temp().filePath(QStringLiteral("brovik-runtime-%1").arg(::getuid()));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    p->setProcessEnvironment(env);
    p->start(QString::fromUtf8(kExecutable), arguments);
    return p;
}

ProgramRun finishProgram(QProcess& process, int timeoutMs) {
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(10000);
    } else {
        run.finished = process.exitStatus() == QProcess::NormalExit;
        run.status = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

ProgramRun runProgram(const QStringList& arguments, int timeoutMs) {
    std::unique_ptr<QProcess> p(startProgram(arguments));
    return finishProgram(*p, timeoutMs);
}

QString writeAliasIni(const QString& dir, const QByteArray& content) {
    const QString path = QDir(dir).filePath(QStringLiteral("Alias.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
    f.write(content);
    return path;
}

QByteArray aliasIniFor(const QString& connectionString, const QByteArray& extraLines) {
    return "[PATH]\nMV=" + connectionString.toUtf8() + '\n' + extraLines;
}

}  // namespace brovik::test
