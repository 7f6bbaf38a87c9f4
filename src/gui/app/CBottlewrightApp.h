#pragma once

#include "core/document/CDocObserver.h"
#include "core/setup/FieldNames.h"
#include "gui/app/RecentFileList.h"
#include "gui/common/AppSwitches.h"
#include "gui/common/CPrinterHost.h"
#include "gui/document/CDocumentCommands.h"
#include "gui/exchange/ExchangeHost.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QString>

class CBottlewrightDoc;
class CExchangeCommands;
class CMainFrame;
class QPrinter;

// The program's root: settings kept between runs, the field-name table, the main frame and the one
// Working File, with the commands that need no Working File (New, Open, recent files, Set Default
// Filename, Print Setup, the switches, help and About) and those that replace or close it.
class CBottlewrightApp : public QObject,
                         public CDocObserver,
                         public CPrinterHost,
                         public CDocumentCommands::Host,
                         public ExchangeHost {
    Q_OBJECT
public:
    enum class Show { Maximized, Hidden };

    // Starts the program: reads the settings and "LastUsed.fnm" from startDirectory, creates the main
    // frame and opens fileToOpen (a file named on the command line) or else the default Cellar File.
    // Tests start it Hidden in a folder of their own.
    explicit CBottlewrightApp(std::filesystem::path startDirectory, Show show = Show::Maximized,
                              const QString& fileToOpen = QString());
    // Ends the program: writes "LastUsed.fnm" and the switches.
    ~CBottlewrightApp() override;

    CMainFrame& mainFrame() const { return *m_mainFrame; }
    // The Focus Set, statistics and backup commands.
    CDocumentCommands& documentCommands() const { return *m_documentCommands; }
    // Import, export, save and append of the Focus Set, version 2 conversion.
    CExchangeCommands& exchangeCommands() const { return *m_exchangeCommands; }
    // The Working File, or nullptr when none is open.
    CBottlewrightDoc* document() const override { return m_document.get(); }

    const std::filesystem::path& startDirectory() const { return m_startDirectory; }
    // The program's own small files live in the start directory.
    void changeToStartDirectory() const;

    FieldNames& fieldNames() { return m_fieldNames; }
    const std::string& fieldName(int index) const { return m_fieldNames.name(index); }

    bool smartSelect() const { return AppSwitches::smartSelect(); }
    bool binWarning() const { return AppSwitches::binWarning(); }
    const QString& backupLocation() const override { return m_backupLocation; }
    // Written to the settings at once.
    void setBackupLocation(const QString& location) override;
    const QString& defaultFileName() const { return m_defaultFileName; }
    const RecentFileList& recentFiles() const { return m_recentFiles; }

    // 1 portrait or 2 landscape.
    int printOrientation() const override;
    // Anything but 1 or 2 is stored as 1.
    void setPrintOrientation(int orientation) override;
    // The printer with the print orientation applied; a PDF writer when no printer is installed.
    QPrinter& printer() override;
    bool hasInstalledPrinter() const override;

    // Commands.
    void newFile();
    void openFile();
    void openRecentFile(int index);
    // Replaces the Working File by the file; false, after telling the user why, when it cannot be read.
    bool openWorkingFile(const QString& path);
    // Offers to save a modified Working File and closes it; false when the user cancels.
    bool closeWorkingFile();
    // Saves the Working File (asking for a name when it has none); false, after telling why, on failure.
    bool saveWorkingFile();
    void setDefaultFilename();
    void printSetup();
    void toggleSmartSelect();
    void toggleBinWarning();
    void sortPrecedence();
    void modifyFieldNames();
    void showAbout();

    // The file prompts: caption and initial path in, the chosen path out (empty when cancelled).
    using FileNamePrompt = std::function<QString(const QString& caption, const QString& initialPath)>;
    void setOpenFilePrompt(FileNamePrompt prompt) { m_openPrompt = std::move(prompt); }
    void setSaveFilePrompt(FileNamePrompt prompt) { m_savePrompt = std::move(prompt); }

    // ExchangeHost
    QWidget* mainWindow() override;
    CBottlewrightDoc* workingFile() override { return m_document.get(); }
    bool closeWorkingFileForExchange() override { return closeWorkingFile(); }
    CBottlewrightDoc* newWorkingFileForExchange() override;
    const FieldNames& currentFieldNames() override { return m_fieldNames; }
    std::filesystem::path enterStartDirectory() override;

    void onUpdate(CDocObserver* sender, UpdateHint hint) override;
    // Save and the title's mark follow the flag at once, whichever command changed it.
    void onModifiedChanged(bool) override { refreshCommandStates(); }

private:
    void readSettings();
    void connectCommands();
    void installDocument(std::unique_ptr<CBottlewrightDoc> document);
    void releaseDocument();
    bool maySaveChanges();
    void applyPrintOrientation();
    void refreshCommandStates();
    void showContextHelp();
    QString documentName() const;

    std::filesystem::path m_startDirectory;
    FieldNames m_fieldNames;
    QString m_backupLocation;
    int m_printOrientation = 1;
    QString m_defaultFileName;
    RecentFileList m_recentFiles;
    FileNamePrompt m_openPrompt;
    FileNamePrompt m_savePrompt;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CDocumentCommands> m_documentCommands;
    std::unique_ptr<CExchangeCommands> m_exchangeCommands;
    std::unique_ptr<CBottlewrightDoc> m_document;
};
