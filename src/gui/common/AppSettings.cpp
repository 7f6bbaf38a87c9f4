#include "gui/common/AppSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString path(const char* section, const char* key) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

} // namespace

QString AppSettings::defaultBackupLocation() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir::toNativeSeparators(documents + QStringLiteral("/Bottlewright Backups/"));
}

QString AppSettings::read(const Key<QString>& key) {
    return QSettings().value(path(key.section, key.key), key.defaultValue).toString();
}

int AppSettings::read(const Key<int>& key) {
    bool ok = false;
    const int value = QSettings().value(path(key.section, key.key), key.defaultValue).toInt(&ok);
    return ok ? value : key.defaultValue;
}

void AppSettings::write(const Key<QString>& key, const QString& value) {
    QSettings().setValue(path(key.section, key.key), value);
}

void AppSettings::write(const Key<int>& key, int value) {
    QSettings().setValue(path(key.section, key.key), value);
}
