#pragma once

#include <QTemporaryDir>

// Points the settings store of "Quorvane Software"/"Bottlewright" at an empty temporary folder for
// as long as it lives, so that a test starts from a first run and never touches the user's settings.
// Create one per test (e.g. in init()); a later one starts empty again.
class IsolatedSettings {
public:
    IsolatedSettings();

private:
    QTemporaryDir m_folder;
};
