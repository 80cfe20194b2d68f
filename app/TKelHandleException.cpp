#include "app/TKelHandleException.h"

#include "firebird/Win1252.h"
#include "dataset/DataError.h"
#include "firebird/ClientError.h"
#include "dataset/Format.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace brovik::app {
namespace {

TKelHandleException* g_installed = nullptr;

// The client library's texts for a cursor and a connection that were lost.
constexpr QStringView kLoggedText = u"Attempt to reopen an open cursor Error reading data from the connection";

const QString kRule(67, u'-');

// Lines 3 and 4: the form that was handling the event. A control gives its window; an
// object outside any window gives the nearest widget above it, else its own name.
QString nameOf(const QObject* o) {
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

std::pair<QString, QString> formOf(const QObject* sender) {
    for (const QObject* o = sender; o; o = o->parent())
        if (o->isWidgetType()) {
            const QWidget* form = static_cast<const QWidget*>(o)->window();
            return {nameOf(form), form->windowTitle()};
        }
    if (!sender) return {QStringLiteral("Application"), QCoreApplication::applicationName()};
    return {nameOf(sender), QString()};
}

}  // namespace

FailureInfo FailureInfo::of(const std::exception& failure) {
    if (const auto* data = dynamic_cast<const data::DataError*>(&failure))
        return {QString::fromLatin1(data->className()), data->message()};
    if (const auto* client = dynamic_cast<const data::ClientError*>(&failure))
        return {QString::fromLatin1(client->className()), client->message()};
    return {QStringLiteral("Exception"), QString::fromUtf8(failure.what())};
}

TKelHandleException::TKelHandleException(QString logFile)
    : FLogFile(std::move(logFile)), clock_([] { return QDateTime::currentDateTime(); }) {
    g_installed = this;
}

TKelHandleException::~TKelHandleException() {
    if (g_installed == this) g_installed = nullptr;
}

TKelHandleException* TKelHandleException::installed() { return g_installed; }

QString TKelHandleException::logPathFor(const QString& executablePath) {
    const QFileInfo info(executablePath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    // A name that only starts with a dot has no extension.
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString dir = executablePath.left(executablePath.size() - name.size());
    return dir + stem + QStringLiteral("_erro_bd.log");
}

bool TKelHandleException::isLoggedMessage(const QString& message) {
    return !message.isEmpty() && kLoggedText.contains(message, Qt::CaseSensitive);
}

void TKelHandleException::HandleApplicationException(const QObject* sender, const std::exception& failure) {
    HandleApplicationException(sender, FailureInfo::of(failure));
}

void TKelHandleException::HandleApplicationException(const QObject* sender, const FailureInfo& failure) {
    if (!isLoggedMessage(failure.message)) return;
    // A failure of the handling itself is dropped like any unlogged failure.
    try {
        if (!writeEntry(sender, failure) || !CloseConnectionsPending) return;
        CloseConnectionsPending = false;
        if (closeConnections_) closeConnections_();
    } catch (...) {
    }
}

bool TKelHandleException::writeEntry(const QObject* sender, const FailureInfo& failure) const {
    QFile file(FLogFile);
    // Unbuffered: a line that fails leaves the lines before it in the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return false;
    const auto [formName, formCaption] = formOf(sender);
    const QString stamp = fmt::formatDateTime(uR"(dd" de "mmmm" de "yyyy" às "hh:nn:ss)", clock_());
    const QString lines[] = {
        QStringLiteral("Exception ocorrida em ") + stamp,
        kRule,
        QStringLiteral("Form.................: ") + formName,
        QStringLiteral("Caption do Form......: ") + formCaption,
        kRule,
        QStringLiteral("Classe da Exception..: ") + failure.className,
        QStringLiteral("Mensagem da Exception: ") + failure.message,
        QString(),
    };
    for (const QString& line : lines) {
        const QByteArray bytes = data::toWin1252(line) + "\r\n";
        if (file.write(bytes) != bytes.size()) return false;
    }
    return true;
}

void handleUncaught(const QObject* sender, std::exception_ptr failure) {
    TKelHandleException* handler = TKelHandleException::installed();
    if (!handler) return;
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        handler->HandleApplicationException(sender, e);
    } catch (...) {
        handler->HandleApplicationException(sender, FailureInfo{QStringLiteral("Exception"), QString()});
    }
}

}  // namespace brovik::app
