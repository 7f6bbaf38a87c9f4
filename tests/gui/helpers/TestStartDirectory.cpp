#include "TestStartDirectory.h"

#include <QFile>

TestStartDirectory::TestStartDirectory(Contents contents) {
    if (contents == WithSample)
        copySample(QStringLiteral("Sample3.bwf"));
}

QString TestStartDirectory::copySample(const QString& name) const {
    const QString target = filePath(name);
    QFile::copy(QStringLiteral(BW_SAMPLE_FILE), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}
