#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QUrl>

class CBottlewrightApp;
class CBottlewrightDoc;
class QWidget;

// The Working File's commands of the "Focus Set" menu, the letter-colour commands, Show Statistics,
// Backup and Set Backup Location. Created by the application with its main frame; each command acts
// on the Working File open at the time.
class CDocumentCommands : public QObject {
    Q_OBJECT
public:
    explicit CDocumentCommands(CBottlewrightApp& app);

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
    CBottlewrightDoc* document() const;
    QWidget* window() const;

    CBottlewrightApp& m_app;
    FolderPrompt m_folderPrompt;
};
