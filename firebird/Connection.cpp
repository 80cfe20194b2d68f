#include "firebird/Connection.h"

#include "firebird/EmbeddedDatabase.h"
#include "firebird/EmbeddedLockFolder.h"
#include "firebird/FbApi.h"
#include "firebird/Transaction.h"

#include <algorithm>

namespace brovik::data {

using namespace Firebird;

Connection::Connection(QString name, ConnectionParams params) : name_(std::move(name)), params_(std::move(params)) {}

Connection::~Connection() { close(); }

namespace {

// The operating-system failures of an embedded attach, whose library text names no folder
// or no reason.
constexpr long kOsFailures[] = {isc_io_error, isc_sys_request, isc_lock_dir_access, isc_no_priv};

IBError withAccessProblem(const IBError& e, const QString& database) {
    if (std::find(std::begin(kOsFailures), std::end(kOsFailures), e.code()) == std::end(kOsFailures)) return e;
    const QString problem = embeddedAccessProblem(database, EmbeddedLockFolder::current());
    if (problem.isEmpty()) return e;
    return IBError(QStringLiteral("%1 (%2)").arg(e.message(), problem), e.code(), e.statusText());
}

}  // namespace

void Connection::open() {
    if (attachment_) return;
    if (!isEmbeddedDatabase(params_.database)) return attach();
    EmbeddedLockFolder::prepare();
    if (!EmbeddedLockFolder::refusal().isEmpty())
        throw IBError(EmbeddedLockFolder::refusal(), isc_lock_dir_access, EmbeddedLockFolder::refusal());
    try {
        attach();
    } catch (const IBError& e) {
        throw withAccessProblem(e, params_.database);
    }
}

void Connection::attach() {
    const QByteArray path = params_.database.toUtf8();
    const QByteArray user = params_.user.toUtf8();
    const QByteArray password = params_.password.toUtf8();
    const QByteArray role = params_.role.toUtf8();
    attachment_ = fb::call([&](ThrowStatusWrapper* st) {
        fb::Ref<IXpbBuilder> dpb(fb::util()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0));
        dpb->insertString(st, isc_dpb_user_name, user.constData());
        dpb->insertString(st, isc_dpb_password, password.constData());
        if (!role.isEmpty()) dpb->insertString(st, isc_dpb_sql_role_name, role.constData());
        dpb->insertString(st, isc_dpb_lc_ctype, "WIN1252");
        dpb->insertInt(st, isc_dpb_sql_dialect, 3);
        if (params_.wireCompression) dpb->insertString(st, isc_dpb_config, "WireCompression=true");
        fb::Ref<IProvider> provider(fb::master()->getDispatcher());
        return provider->attachDatabase(st, path.constData(), dpb->getBufferLength(st), dpb->getBuffer(st));
    });
}

IAttachment* Connection::attachment() {
    open();
    return attachment_;
}

void Connection::reattachIfLost() {
    if (!attachment_) return;
    try {
        fb::call([&](ThrowStatusWrapper* st) { attachment_->ping(st); });
        return;
    } catch (const IBError& lost) {
        close();
        try {
            open();
        } catch (const IBError&) {
            throw lost;
        }
    }
}

void Connection::close() {
    if (!attachment_) return;
    // Copies: a client may unregister itself while closing.
    for (ConnectionClient* c : std::vector<ConnectionClient*>(clients_)) c->connectionClosing();
    for (Transaction* t : std::vector<Transaction*>(transactions_)) t->abandon();
    IAttachment* a = std::exchange(attachment_, nullptr);
    try {
        fb::call([&](ThrowStatusWrapper* st) { a->detach(st); });  // releases on success
    } catch (const IBError&) {
        a->release();  // the server is gone; let go of the handle all the same
    }
}

void Connection::removeClient(ConnectionClient* c) { std::erase(clients_, c); }

void Connection::removeTransaction(Transaction* t) { std::erase(transactions_, t); }

}  // namespace brovik::data
