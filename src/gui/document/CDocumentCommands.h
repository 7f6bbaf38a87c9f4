#pragma once

#include <filesystem>
#include <functional>

#include <QObject>
#include <QString>
#include <QUrl>

class CBottlewrightDoc;
class FieldNames;
class QWidget;

// The Working File's commands of the "Focus Set" menu, the letter-colour commands, Show Statistics,
// Backup and Set Backup Location. Each command acts on the Working File open at the time.
class CDocumentCommands : public QObject {
    Q_OBJECT
public:
    // What the commands need of the program around them.
    class Host {
    public:
        virtual ~Host() = default;
        // The Working File, or nullptr when none is open.
        virtual CBottlewrightDoc* document() const = 0;
        virtual const QString& backupLocation() const = 0;
        // Written to the settings at once.
        virtual void setBackupLocation(const QString& location) = 0;
    };

    // Messages and dialogs open over window.
    CDocumentCommands(Host& host, const FieldNames& fieldNames, std::filesystem::path startDirectory,
                      QWidget* window);

    // The folder chooser: the folder picked, or an empty URL when the user cancels. Tests replace it.
    using FolderPrompt = std::function<QUrl(QWidget* parent, const QString& caption)>;
    void setFolderPrompt(FolderPrompt prompt) { m_folderPrompt = std::move(prompt); }

    void selectAllWines();
    void selectZeroBottleWines();
    void selectOneOrMoreBottleWines();
    void selectLetterColorWines(int color);
    // Runs the "Focus Criteria" sheet; OK applies its method.
    void specifyFocusSet();
    // Asks first; Yes gives every Focus Set member the letter colour.
    void changeAllLetterColors(int color);
    void showStatistics();
    void backup();
    void setBackupLocation();

private:
    CBottlewrightDoc* document() const { return m_host.document(); }
    QWidget* window() const { return m_window; }

    Host& m_host;
    const FieldNames& m_fieldNames;
    std::filesystem::path m_startDirectory;
    QWidget* m_window;
    FolderPrompt m_folderPrompt;
};
