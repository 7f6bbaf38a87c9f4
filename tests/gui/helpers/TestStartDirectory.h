#pragma once

#include <filesystem>

#include <QString>
#include <QTemporaryDir>

// A temporary folder to start the program in, holding a copy of the sample cellar "Sample3.bwf"
// unless asked to stay empty.
class TestStartDirectory {
public:
    enum Contents { WithSample, Empty };

    explicit TestStartDirectory(Contents contents = WithSample);

    std::filesystem::path path() const { return std::filesystem::path(m_folder.path().toStdString()); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }
    // Copies the sample cellar into the folder under the given name; returns its path.
    QString copySample(const QString& name) const;

private:
    QTemporaryDir m_folder;
};
