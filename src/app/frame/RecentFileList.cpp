#include "app/frame/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Key(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

}  // namespace

RecentFileList::RecentFileList(int capacity)
    : m_size(capacity)
{
}

void RecentFileList::Load()
{
    QSettings store(QStringLiteral("Veltra"), QStringLiteral("Curvix"));
    store.beginGroup(kGroup);
    m_files.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString path = store.value(Key(i)).toString();
        if (!path.isEmpty())
            m_files.append(path);
    }
}

void RecentFileList::Save() const
{
    QSettings store(QStringLiteral("Veltra"), QStringLiteral("Curvix"));
    store.beginGroup(kGroup);
    for (int i = 0; i < m_size; ++i) {
        if (i < m_files.size())
            store.setValue(Key(i), m_files[i]);
        else
            store.remove(Key(i));
    }
}

void RecentFileList::Add(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    m_files.removeAll(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}
