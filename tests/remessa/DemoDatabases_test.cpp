#include "BatchHarness.h"

#include "support/TestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace brovik;

namespace {

QString runScript(const QString& script, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(test::sourcePath(script), args);
    p.waitForFinished(120000);
    const QString out = QString::fromUtf8(p.readAll());
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    return out;
}

struct Counts {
    int orders = 0, tickets = 0, stubs = 0;
};

Counts walkCounts(test::BatchHarness& h) {
    Counts c;
    for (h.q.IBRemessa_Oc.first(); !h.q.IBRemessa_Oc.eof(); h.q.IBRemessa_Oc.next()) {
        ++c.orders;
        for (h.q.IbRemessa_Oc_Cor.first(); !h.q.IbRemessa_Oc_Cor.eof(); h.q.IbRemessa_Oc_Cor.next()) {
            ++c.tickets;
            c.stubs += h.q.IBRemessa_Setor.recordCount();
        }
    }
    return c;
}

TEST(DemoDatabases, LargeBatchHasTheRequestedShape) {
    const QString path = QString::fromUtf8(test::kBinaryDir) + QStringLiteral("/testdb/large-%1.fdb").arg(QCoreApplication::applicationPid());
    runScript("scripts/make-large-db.sh", {path, "3", "7", "5", "4"});
    {
        test::BatchHarness h(path);
        h.openBatch(900000);
        const Counts c = walkCounts(h);
        EXPECT_EQ(c.tickets, 21);
        EXPECT_EQ(c.stubs, 105);
        EXPECT_EQ(c.orders, 15);  // five models in each order
        h.q.IbFluxo.paramByName(u"Qtd").setAsFloat(12);
        h.q.IbFluxo.paramByName(u"MODELO_ID").setAsString("1001");
        h.q.IbFluxo.paramByName(u"COR_ID").setAsInteger(1);
        h.q.IbFluxo.paramByName(u"TAMANHO").setAsInteger(1);
        h.q.IbFluxo.open();
        EXPECT_EQ(h.q.IbFluxo.recordCount(), 2);
    }
    QFile::remove(path);

    // Bad arguments are refused before anything is written.
    QProcess p;
    p.start(test::sourcePath("scripts/make-large-db.sh"), {path, "tres", "7", "5", "4"});
    p.waitForFinished(30000);
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DemoDatabases, DemoBatchIsRealistic) {
    const QString path = QString::fromUtf8(test::kBinaryDir) + QStringLiteral("/testdb/demo-%1.fdb").arg(QCoreApplication::applicationPid());
    QFile::remove(path);
    runScript("scripts/make-demo-db.sh", {path});
    QFile batchFile(test::sourcePath("db/demo-batch.txt"));
    ASSERT_TRUE(batchFile.open(QIODevice::ReadOnly));
    const int batch = batchFile.readAll().trimmed().toInt();
    {
        test::BatchHarness h(path);
        h.openBatch(batch);
        EXPECT_EQ(h.q.CdsRemessa.recordCount(), 1);
        const Counts c = walkCounts(h);
        EXPECT_GE(c.orders, 4);
        EXPECT_GT(c.stubs, 100);
        EXPECT_LE(c.stubs, 500);
        for (h.q.IBRemessa_Oc.first(); !h.q.IBRemessa_Oc.eof(); h.q.IBRemessa_Oc.next())
            for (h.q.IbRemessa_Oc_Cor.first(); !h.q.IbRemessa_Oc_Cor.eof(); h.q.IbRemessa_Oc_Cor.next()) {
                const qint64 ticket = h.q.IbRemessa_Oc_Cor.fieldByName(u"CONTROLE").asLargeInt();
                EXPECT_TRUE(ticket >= 10000 && ticket <= 9999999) << ticket;
                EXPECT_FALSE(h.q.IbRemessa_Oc_Cor.fieldByName(u"Tamanho_Descricao").asString().isEmpty());
                EXPECT_GE(h.q.IBRemessa_Setor.recordCount(), 4);
                EXPECT_LE(h.q.IBRemessa_Setor.recordCount(), 9);
            }
    }
    // Up to date: a second call leaves the file alone.
    const QDateTime built = QFileInfo(path).lastModified();
    runScript("scripts/make-demo-db.sh", {path});
    EXPECT_EQ(QFileInfo(path).lastModified(), built);
    QFile::remove(path);
}

}  // namespace
