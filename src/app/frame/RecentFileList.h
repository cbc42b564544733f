#pragma once

#include <QString>
#include <QStringList>

// The most recently used documents, newest first, kept in the program's
// own settings ("Recent File List", File1 ... FileN) beside the settings
// group.
class RecentFileList {
public:
    explicit RecentFileList(int size);

    void Load();
    void Save() const;
    // Moves a path to the front, dropping the oldest entry beyond the size.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    int m_size;
    QStringList m_files;
};
