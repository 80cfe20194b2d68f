#include "firebird/Transaction.h"

#include "firebird/Connection.h"
#include "firebird/FbApi.h"

#include <array>
#include <utility>

namespace brovik::data {

using namespace Firebird;

namespace {

struct TpbWord {
    const char* name;
    unsigned char tag;
};

constexpr std::array<TpbWord, 10> kTpbWords = {{
    {"read", isc_tpb_read},
    {"write", isc_tpb_write},
    {"read_committed", isc_tpb_read_committed},
    {"rec_version", isc_tpb_rec_version},
    {"no_rec_version", isc_tpb_no_rec_version},
    {"concurrency", isc_tpb_concurrency},
    {"consistency", isc_tpb_consistency},
    {"nowait", isc_tpb_nowait},
    {"wait", isc_tpb_wait},
    {"autocommit", isc_tpb_autocommit},
}};

unsigned char tpbTag(const QString& word) {
    for (const TpbWord& w : kTpbWords)
        if (word.trimmed().compare(QLatin1String(w.name), Qt::CaseInsensitive) == 0) return w.tag;
    throw ClientError(QStringLiteral("Unknown transaction parameter '%1'").arg(word));
}

}  // namespace

Transaction::Transaction(QString name, Connection& connection, QStringList params)
    : name_(std::move(name)), connection_(&connection), params_(std::move(params)) {
    for (const QString& p : params_) tpbTag(p);  // a misspelt word fails here, not at the first run
    connection_->addTransaction(this);
}

Transaction::~Transaction() {
    abandon();
    connection_->removeTransaction(this);
}

void Transaction::start() {
    if (handle_) return;
    IAttachment* att = connection_->attachment();
    handle_ = fb::call([&](ThrowStatusWrapper* st) {
        fb::Ref<IXpbBuilder> tpb(fb::util()->getXpbBuilder(st, IXpbBuilder::TPB, nullptr, 0));
        for (const QString& p : params_) tpb->insertTag(st, tpbTag(p));
        return att->startTransaction(st, tpb->getBufferLength(st), tpb->getBuffer(st));
    });
}

ITransaction* Transaction::handle() {
    start();
    return handle_;
}

void Transaction::commit() {
    if (!handle_) throw ClientError(QStringLiteral("%1: transaction is not active").arg(name_));
    fb::call([&](ThrowStatusWrapper* st) { handle_->commit(st); });  // releases on success
    handle_ = nullptr;
}

void Transaction::rollback() {
    if (!handle_) return;
    fb::call([&](ThrowStatusWrapper* st) { handle_->rollback(st); });
    handle_ = nullptr;
}

void Transaction::abandon() {
    if (!handle_) return;
    ITransaction* t = std::exchange(handle_, nullptr);
    try {
        fb::call([&](ThrowStatusWrapper* st) { t->rollback(st); });
    } catch (const IBError&) {
        t->release();
    }
}

}  // namespace brovik::data
