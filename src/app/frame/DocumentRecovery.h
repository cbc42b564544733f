#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class CCurvixDoc;

// Keeps a recovery copy of a document with unsaved changes, so that a crash
// or a kill loses at most a minute of work. The copy is an ordinary .cvx
// file in the user's data folder, written atomically soon after the first
// unsaved change and then at most once a minute while changes stay unsaved;
// it goes away when the changes are saved or dropped, and when the program
// ends normally. Each running program holds a lock beside its own copy, so
// two programs never take each other's copy for a lost one.
class DocumentRecovery : public QObject {
public:
    // Copies older than a crash: the newest first.
    struct Orphan {
        QString path;
        QDateTime written;
    };

    // folder: where the copies live (created when missing).
    DocumentRecovery(CCurvixDoc& doc, QString folder);
    ~DocumentRecovery() override;

    // The user's data folder for recovery copies.
    static QString DefaultFolder();
    // Copies left behind by programs that no longer run.
    static std::vector<Orphan> FindOrphans(const QString& folder);
    // Removes a copy (and its stale lock).
    static void Remove(const QString& path);

    // Writes or removes this program's copy as the document's state asks;
    // runs on a short timer, and tests call it directly.
    void Update();
    QString CopyPath() const { return m_copyPath; }

    // The longest time between two writes while changes stay unsaved.
    static constexpr int kIntervalSeconds = 60;

private:
    void Write();

    CCurvixDoc& m_doc;
    QString m_folder;
    QString m_copyPath;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_poll;
    QDateTime m_lastWrite;
};
