#pragma once

#include <QStringList>

// The most recently opened Cellar Files, newest first, kept in the settings store under
// "Recent File List" as "File1".."File4".
class RecentFileList {
public:
    static constexpr int kSize = 4;

    void load();
    const QStringList& files() const { return m_files; }

    // Puts the file first (once) and writes the list.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void save() const;

    QStringList m_files;
};
