#include "gui/app/RecentFileList.h"

#include <QDir>
#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString keyOf(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

void RecentFileList::load() {
    QSettings settings;
    settings.beginGroup(kGroup);
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString file = settings.value(keyOf(i)).toString();
        if (!file.isEmpty() && !m_files.contains(file))
            m_files.append(file);
    }
}

void RecentFileList::add(const QString& path) {
    const QString file = QDir::cleanPath(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
    save();
}

void RecentFileList::remove(const QString& path) {
    if (m_files.removeAll(QDir::cleanPath(path)) > 0)
        save();
}

void RecentFileList::save() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(keyOf(i), m_files[i]);
        else
            settings.remove(keyOf(i));
    }
}
