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
    : size(capacity)
{
}

void RecentFileList::Load()
{
    QSettings store(QStringLiteral("Veltra"), QStringLiteral("Curvix"));
    store.beginGroup(kGroup);
    files.clear();
    for (int i = 0; i < size; ++i) {
        const QString path = store.value(Key(i)).toString();
        if (!path.isEmpty())
            files.append(path);
    }
}

void RecentFileList::Save() const
{
    QSettings store(QStringLiteral("Veltra"), QStringLiteral("Curvix"));
    store.beginGroup(kGroup);
    for (int i = 0; i < size; ++i) {
        if (i < files.size())
            store.setValue(Key(i), files[i]);
        else
            store.remove(Key(i));
    }
}

void RecentFileList::Add(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > size)
        files.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    files.removeAll(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}
