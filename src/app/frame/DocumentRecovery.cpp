#include "app/frame/DocumentRecovery.h"

#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "model/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr int kPollMs = 1000;

QString CopyName(const QString& id)
{
    return QStringLiteral("recovery-%1.cvx").arg(id);
}

// The lock beside a copy: recovery-ID.cvx has recovery-ID.lock.
QString LockPathOf(const QString& copyPath)
{
    QString path = copyPath;
    path.chop(4);
    return path + QStringLiteral(".lock");
}

}  // namespace

DocumentRecovery::DocumentRecovery(CCurvixDoc& document, QString recoveryFolder)
    : doc(document), folder(std::move(recoveryFolder))
{
    QDir().mkpath(this->folder);
    copyPath = QDir(this->folder).filePath(CopyName(QString::number(QCoreApplication::applicationPid())));
    lock = std::make_unique<QLockFile>(LockPathOf(copyPath));
    // Without the lock another program could take the copy for a lost one:
    // then no copy is kept at all.
    if (!lock->tryLock(0))
        copyPath.clear();
    poll.callOnTimeout(this, [this] { Update(); });
    poll.start(kPollMs);
}

DocumentRecovery::~DocumentRecovery()
{
    if (!copyPath.isEmpty())
        QFile::remove(copyPath);
}

QString DocumentRecovery::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("recovery"));
}

std::vector<DocumentRecovery::Orphan> DocumentRecovery::FindOrphans(const QString& folder)
{
    std::vector<Orphan> orphans;
    const QDir dir(folder);
    for (const QFileInfo& copy : dir.entryInfoList({CopyName(QStringLiteral("*"))}, QDir::Files)) {
        // A copy whose lock can be taken belongs to no running program.
        QLockFile owner(LockPathOf(copy.filePath()));
        if (!owner.tryLock(0))
            continue;
        owner.unlock();
        orphans.push_back({copy.filePath(), copy.lastModified()});
    }
    std::sort(orphans.begin(), orphans.end(),
              [](const Orphan& a, const Orphan& b) { return a.written > b.written; });
    return orphans;
}

void DocumentRecovery::Remove(const QString& path)
{
    QFile::remove(path);
    QFile::remove(LockPathOf(path));
}

void DocumentRecovery::Update()
{
    if (copyPath.isEmpty())
        return;
    if (!doc.IsModified()) {
        if (lastWrite.isValid())
            QFile::remove(copyPath);
        lastWrite = QDateTime();
        return;
    }
    if (!lastWrite.isValid() || lastWrite.secsTo(QDateTime::currentDateTimeUtc()) >= kIntervalSeconds)
        Write();
}

// A copy that cannot be written is tried again at the next interval; the
// user's own file is never touched.
void DocumentRecovery::Write()
{
    lastWrite = QDateTime::currentDateTimeUtc();
    Archive archive;
    doc.Serialize(archive);
    FileBytes::WriteReplacing(copyPath.toStdString(), archive.Bytes());
}
