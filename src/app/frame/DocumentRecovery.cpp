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
    : m_doc(document), m_folder(std::move(recoveryFolder))
{
    QDir().mkpath(this->m_folder);
    m_copyPath = QDir(this->m_folder).filePath(CopyName(QString::number(QCoreApplication::applicationPid())));
    m_lock = std::make_unique<QLockFile>(LockPathOf(m_copyPath));
    // Without the lock another program could take the copy for a lost one:
    // then no copy is kept at all.
    if (!m_lock->tryLock(0))
        m_copyPath.clear();
    m_poll.callOnTimeout(this, [this] { Update(); });
    m_poll.start(kPollMs);
}

DocumentRecovery::~DocumentRecovery()
{
    if (!m_copyPath.isEmpty())
        QFile::remove(m_copyPath);
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
    if (m_copyPath.isEmpty())
        return;
    if (!m_doc.IsModified()) {
        if (m_lastWrite.isValid())
            QFile::remove(m_copyPath);
        m_lastWrite = QDateTime();
        return;
    }
    if (!m_lastWrite.isValid() || m_lastWrite.secsTo(QDateTime::currentDateTimeUtc()) >= kIntervalSeconds)
        Write();
}

// A copy that cannot be written is tried again at the next interval; the
// user's own file is never touched.
void DocumentRecovery::Write()
{
    m_lastWrite = QDateTime::currentDateTimeUtc();
    Archive archive;
    m_doc.Serialize(archive);
    FileBytes::WriteReplacing(m_copyPath.toStdString(), archive.Bytes());
}
