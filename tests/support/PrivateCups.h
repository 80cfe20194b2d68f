#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QProcess;

namespace brovik::test {

// A CUPS scheduler of the test's own: configuration, spool, cache, state, logs and a
// Unix socket in one temporary folder; CUPS_SERVER (for child processes) and this
// process's CUPS client both point at it until it stops. Its queues are `file:` devices
// on the PDF driver of cups-filters, so CUPS still runs its filters (page lists, copies)
// and the printed job ends up as a PDF file. Throws std::runtime_error with the
// scheduler's log when it cannot start.
//
//   PrivateCups cups;
//   const QString printed = cups.addPdfQueue("plant");
//   ... print to "plant" ...
//   ASSERT_TRUE(cups.waitUntilPrinted("plant"));   // then read `printed`
class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    QString socket() const;
    // Adds an enabled, accepting queue and returns the file each of its jobs is written to
    // (the next job overwrites it). A resolution makes it a printer of that many dots per
    // inch by default, as a label printer says it is; otherwise it is the driver's 600.
    QString addPdfQueue(const QString& name, int dotsPerInch = 0);
    void disable(const QString& name);
    void reject(const QString& name);
    // Removes the last printed file, so that the next wait sees only a new job.
    void forgetPrinted(const QString& name);
    // Waits until the queue has no unfinished job and its file exists.
    bool waitUntilPrinted(const QString& name, int timeoutMs = 60000);
    // Jobs the scheduler has ever completed for the queue.
    int completedJobs(const QString& name) const;
    QString errorLog() const;

private:
    QString run(const QString& tool, const QStringList& arguments) const;
    void writeConfiguration();
    void start();

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> cupsd_;
    QByteArray previousServer_;
    bool hadServer_ = false;
};

}  // namespace brovik::test
