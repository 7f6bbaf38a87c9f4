#include "IsolatedSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

IsolatedSettings::IsolatedSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane Software"));
    QCoreApplication::setApplicationName(QStringLiteral("Bottlewright"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
}
