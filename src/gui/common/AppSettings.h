#pragma once

#include <QString>

// Every setting the application and its main frame keep between runs, declared once with its section,
// key and default. They live in the per-user settings store of "Quorvane Software"/"Bottlewright".
class AppSettings {
public:
    template <class T> struct Key {
        const char* section;
        const char* key;
        T defaultValue;
    };

    // Empty until set: the backup location is then defaultBackupLocation().
    static inline const Key<QString> BackupLocation{"Backup", "Location", QString()};
    static inline const Key<int> PrintOrientation{"Printing", "Orientation", 1};
    static inline const Key<int> SmartSelect{"SmartSelect", "SmartSelect", 1};
    static inline const Key<int> BinWarning{"BinWarning", "BinWarning", 1};
    static inline const Key<QString> DefaultFileName{"Default File Name", "filename",
                                                     QStringLiteral("Sample3.bwf")};
    static inline const Key<int> LargeButtons{"Options", "LargeButtons", 0};

    // "Bottlewright Backups" in the user's documents folder, ending in a separator.
    static QString defaultBackupLocation();

    static QString read(const Key<QString>& key);
    static int read(const Key<int>& key);
    static void write(const Key<QString>& key, const QString& value);
    static void write(const Key<int>& key, int value);
};
