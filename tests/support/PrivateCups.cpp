#include "PrivateCups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <cups/cups.h>

#include <stdexcept>

namespace brovik::test {
namespace {

const QString kPdfDriver = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

void writeFile(const QString& path, const QString& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
    f.write(text.toUtf8());
}

// The PDF driver, printing at `dotsPerInch` by default.
QString driverAt(int dotsPerInch, const QString& file) {
    QFile in(kPdfDriver);
    if (!in.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read the PDF driver");
    const QByteArray dpi = QByteArray::number(dotsPerInch) + "dpi";
    QByteArray ppd = in.readAll();
    ppd.replace("*DefaultResolution: 600dpi", "*DefaultResolution: " + dpi + "\n*Resolution " + dpi + "/" + dpi + ": \"\"");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(ppd) != ppd.size()) throw std::runtime_error("cannot write a driver");
    return file;
}

}  // namespace

// A short folder name: a Unix socket path holds at most 107 bytes.
PrivateCups::PrivateCups() : dir_(QStringLiteral("/tmp/brovik-cups-XXXXXX")) {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder for CUPS");
    // The scheduler runs its filters as another user, who must reach the spool.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
    hadServer_ = qEnvironmentVariableIsSet("CUPS_SERVER");
    previousServer_ = qgetenv("CUPS_SERVER");
    writeConfiguration();
    start();
}

PrivateCups::~PrivateCups() {
    cupsSetServer(nullptr);
    if (hadServer_) qputenv("CUPS_SERVER", previousServer_);
    else qunsetenv("CUPS_SERVER");
    if (!cupsd_) return;
    cupsd_->terminate();
    if (!cupsd_->waitForFinished(10000)) {
        cupsd_->kill();
        cupsd_->waitForFinished(5000);
    }
}

QString PrivateCups::socket() const { return dir_.filePath(QStringLiteral("cups.sock")); }

void PrivateCups::writeConfiguration() {
    for (const char* sub : {"spool", "cache", "state", "log", "ppd", "out"}) QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
    const QString root = dir_.path();
    writeFile(dir_.filePath(QStringLiteral("cupsd.conf")), QStringLiteral(R"(Listen %1
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)").arg(socket()));
    writeFile(dir_.filePath(QStringLiteral("cups-files.conf")), QStringLiteral(R"(FileDevice Yes
ServerRoot %1
RequestRoot %1/spool
TempDir %1/spool
CacheDir %1/cache
StateDir %1/state
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
Printcap %1/printcap
)").arg(root));
}

void PrivateCups::start() {
    cupsd_ = std::make_unique<QProcess>();
    cupsd_->setProcessChannelMode(QProcess::MergedChannels);
    cupsd_->start(QStringLiteral("/usr/sbin/cupsd"), {"-f", "-c", dir_.filePath(QStringLiteral("cupsd.conf")), "-s",
                                                       dir_.filePath(QStringLiteral("cups-files.conf"))});
    if (!cupsd_->waitForStarted(10000)) throw std::runtime_error("cupsd does not start: " + cupsd_->errorString().toStdString());
    qputenv("CUPS_SERVER", socket().toLocal8Bit());
    cupsSetServer(socket().toLocal8Bit().constData());
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (cupsd_->state() != QProcess::Running) break;
        if (QFileInfo::exists(socket()) && run(QStringLiteral("lpstat"), {"-r"}).contains(QLatin1String("is running"))) return;
        QThread::msleep(100);
    }
    throw std::runtime_error(("cupsd did not come up:\n" + QString::fromLocal8Bit(cupsd_->readAll()) + errorLog()).toStdString());
}

QString PrivateCups::run(const QString& tool, const QStringList& arguments) const {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket());
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, arguments);
    if (!p.waitForFinished(30000)) throw std::runtime_error(tool.toStdString() + " did not finish");
    return QString::fromLocal8Bit(p.readAll());
}

QString PrivateCups::addPdfQueue(const QString& name, int dotsPerInch) {
    const QString printed = dir_.filePath(QStringLiteral("out/%1.pdf").arg(name));
    const QString driver =
        dotsPerInch > 0 ? driverAt(dotsPerInch, dir_.filePath(QStringLiteral("ppd/%1-driver.ppd").arg(name))) : kPdfDriver;
    const QString said = run(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", "file:" + printed, "-P", driver});
    if (!run(QStringLiteral("lpstat"), {"-p", name}).contains(QLatin1String("enabled")))
        throw std::runtime_error(("cannot add the queue " + name + ": " + said).toStdString());
    return printed;
}

void PrivateCups::disable(const QString& name) { run(QStringLiteral("cupsdisable"), {name}); }
void PrivateCups::reject(const QString& name) { run(QStringLiteral("cupsreject"), {name}); }

void PrivateCups::forgetPrinted(const QString& name) { QFile::remove(dir_.filePath(QStringLiteral("out/%1.pdf").arg(name))); }

bool PrivateCups::waitUntilPrinted(const QString& name, int timeoutMs) {
    const QString printed = dir_.filePath(QStringLiteral("out/%1.pdf").arg(name));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (QFileInfo::exists(printed) && run(QStringLiteral("lpstat"), {"-o", name}).trimmed().isEmpty()) return true;
        QThread::msleep(100);
    }
    return false;
}

int PrivateCups::completedJobs(const QString& name) const {
    int jobs = 0;
    for (const QString& line : run(QStringLiteral("lpstat"), {"-W", "completed", "-o", name}).split(QLatin1Char('\n')))
        if (line.startsWith(name + QLatin1Char('-'))) ++jobs;  // "plant-12  root  5120 ..."
    return jobs;
}

QString PrivateCups::errorLog() const {
    QFile f(dir_.filePath(QStringLiteral("log/error_log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

}  // namespace brovik::test
