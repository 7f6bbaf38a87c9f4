#include "gui/app/CBottlewrightApp.h"

#include "core/app/StartupRules.h"
#include "core/document/CBottlewrightDoc.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CMainFrame.h"
#include "gui/common/AppSettings.h"
#include "gui/common/CommandId.h"
#include "gui/common/FilePrompt.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/ToolbarIcons.h"
#include "gui/document/CDocumentCommands.h"
#include "gui/document/CSortPrecedenceDialog.h"
#include "gui/exchange/CExchangeCommands.h"
#include "gui/setup/CFieldNamesDialog.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <clocale>
#include <functional>
#include <new>
#include <system_error>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString kCellarFilter = QStringLiteral("Cellar Files (*.bwf)");
constexpr int kGraphHelpContext = 32876;

} // namespace

CBottlewrightApp::CBottlewrightApp(std::filesystem::path startDirectory, Show show, const QString& fileToOpen)
    : m_startDirectory(std::move(startDirectory)) {
    // Qt switches the C library to the user's locale; entries read and write numbers with "." always.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane Software"));
    QCoreApplication::setApplicationName(QStringLiteral("Bottlewright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BW_VERSION));
    QApplication::setWindowIcon(ToolbarIcons::applicationIcon());
    m_recentFiles.load();

    if (!m_fieldNames.read(m_startDirectory / StartupRules::kFieldNamesFile))
        m_fieldNames.setDefaults();

    m_mainFrame = std::make_unique<CMainFrame>(m_fieldNames);
    m_mainFrame->setCloseGuard([this] { return maySaveChanges(); });
    m_mainFrame->setRecentFiles(m_recentFiles.files());
    m_mainFrame->setPrinterHost(this);
    m_documentCommands =
        std::make_unique<CDocumentCommands>(*this, m_fieldNames, m_startDirectory, m_mainFrame.get());
    m_exchangeCommands = std::make_unique<CExchangeCommands>(*this);
    connectCommands();
    AppSwitches::setBinWarningFollower(
        [this](bool on) { m_mainFrame->action(CommandId::ShowBinWarnings)->setChecked(on); });
    if (show == Show::Maximized) {
        m_mainFrame->showMaximized();
        m_mainFrame->repaint();
    }

    readSettings();

    m_openPrompt = [this](const QString& caption, const QString& initialPath) {
        return QFileDialog::getOpenFileName(m_mainFrame.get(), caption, initialPath, kCellarFilter);
    };
    m_savePrompt = [this](const QString& caption, const QString& initialPath) {
        QFileDialog dialog(m_mainFrame.get(), caption, initialPath, kCellarFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("bwf"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    const QString firstFile = fileToOpen.isEmpty() ? m_defaultFileName : fileToOpen;
    if (!firstFile.isEmpty())
        openWorkingFile(firstFile);
}

CBottlewrightApp::~CBottlewrightApp() {
    releaseDocument();
    m_fieldNames.write(m_startDirectory / StartupRules::kFieldNamesFile);
    AppSettings::write(AppSettings::PrintOrientation, m_printOrientation);
    AppSettings::write(AppSettings::SmartSelect, AppSwitches::smartSelect() ? 1 : 0);
    AppSettings::write(AppSettings::BinWarning, AppSwitches::binWarning() ? 1 : 0);
    HelpWindow::destroyInstance();
    AppSwitches::setBinWarningFollower({});
    m_mainFrame.reset();
}

void CBottlewrightApp::readSettings() {
    m_backupLocation = AppSettings::read(AppSettings::BackupLocation);
    if (m_backupLocation.isEmpty())
        m_backupLocation = AppSettings::defaultBackupLocation();
    m_printOrientation = AppSettings::read(AppSettings::PrintOrientation);
    AppSwitches::setSmartSelect(AppSettings::read(AppSettings::SmartSelect) != 0);
    AppSwitches::setBinWarning(AppSettings::read(AppSettings::BinWarning) != 0);
    m_mainFrame->action(CommandId::SmartSelect)->setChecked(AppSwitches::smartSelect());

    const std::string setting = StartupRules::usesDefaultFileSetting(m_startDirectory)
                                    ? AppSettings::read(AppSettings::DefaultFileName).toStdString()
                                    : std::string();
    m_defaultFileName = FilePrompt::toQtPath(StartupRules::defaultFile(m_startDirectory, setting));
}

void CBottlewrightApp::connectCommands() {
    CMainFrame& frame = *m_mainFrame;
    const auto on = [this, &frame](int id, auto handler) {
        connect(frame.action(id), &QAction::triggered, this, handler);
    };
    CDocumentCommands* commands = m_documentCommands.get();
    on(CommandId::AllWines, [commands] { commands->selectAllWines(); });
    on(CommandId::ZeroBottleWines, [commands] { commands->selectZeroBottleWines(); });
    on(CommandId::OneOrMoreBottleWines, [commands] { commands->selectOneOrMoreBottleWines(); });
    on(CommandId::BlackLetterWines, [commands] { commands->selectLetterColorWines(CWine::Black); });
    on(CommandId::RedLetterWines, [commands] { commands->selectLetterColorWines(CWine::Red); });
    on(CommandId::GreenLetterWines, [commands] { commands->selectLetterColorWines(CWine::Green); });
    on(CommandId::BlueLetterWines, [commands] { commands->selectLetterColorWines(CWine::Blue); });
    on(CommandId::SpecifyFocusSet, [commands] { commands->specifyFocusSet(); });
    on(CommandId::ChangeAllToBlack, [commands] { commands->changeAllLetterColors(CWine::Black); });
    on(CommandId::ChangeAllToRed, [commands] { commands->changeAllLetterColors(CWine::Red); });
    on(CommandId::ChangeAllToGreen, [commands] { commands->changeAllLetterColors(CWine::Green); });
    on(CommandId::ChangeAllToBlue, [commands] { commands->changeAllLetterColors(CWine::Blue); });
    on(CommandId::ShowStatistics, [commands] { commands->showStatistics(); });
    on(CommandId::Backup, [commands] { commands->backup(); });
    on(CommandId::SetBackupLocation, [commands] { commands->setBackupLocation(); });
    on(CommandId::New, [this] { newFile(); });
    on(CommandId::Open, [this] { openFile(); });
    on(CommandId::Close, [this] { closeWorkingFile(); });
    on(CommandId::Save, [this] { saveWorkingFile(); });
    on(CommandId::SetDefaultFilename, [this] { setDefaultFilename(); });
    on(CommandId::PrintSetup, [this] { printSetup(); });
    on(CommandId::SmartSelect, [this] { toggleSmartSelect(); });
    on(CommandId::ShowBinWarnings, [this] { toggleBinWarning(); });
    on(CommandId::SortPrecedence, [this] { sortPrecedence(); });
    on(CommandId::ModifyFieldNames, [this] { modifyFieldNames(); });
    on(CommandId::About, [this] { showAbout(); });
    on(CommandId::HelpContents, [] { showHelpContext(HelpWindow::kContents); });
    on(CommandId::HelpIndex, [] { showHelpContext(HelpWindow::kTopicFinder); });
    on(CommandId::ContextHelp, [this] { showContextHelp(); });
    on(CommandId::ImportText, [this] { m_exchangeCommands->importText(); });
    on(CommandId::ImportCellarTracker, [this] { m_exchangeCommands->importCellarTracker(); });
    on(CommandId::ConvertVersion2, [this] { m_exchangeCommands->convertVersion2(); });
    on(CommandId::SaveFocusSet, [this] { m_exchangeCommands->saveFocusSet(); });
    on(CommandId::AppendFocusSet, [this] { m_exchangeCommands->appendFocusSet(); });
    on(CommandId::ExportFocusSet, [this] { m_exchangeCommands->exportFocusSet(); });
    connect(&frame, &CMainFrame::recentFileChosen, this, &CBottlewrightApp::openRecentFile);
    // The user closed the last window; the offer to save has been made already.
    connect(&frame, &CMainFrame::documentWindowsClosed, this, &CBottlewrightApp::releaseDocument);
}

QWidget* CBottlewrightApp::mainWindow() {
    return m_mainFrame.get();
}

CBottlewrightDoc* CBottlewrightApp::newWorkingFileForExchange() {
    newFile();
    return m_document.get();
}

std::filesystem::path CBottlewrightApp::enterStartDirectory() {
    changeToStartDirectory();
    return m_startDirectory;
}

void CBottlewrightApp::changeToStartDirectory() const {
    std::error_code ignored;
    std::filesystem::current_path(m_startDirectory, ignored);
}

void CBottlewrightApp::setBackupLocation(const QString& location) {
    m_backupLocation = location;
    AppSettings::write(AppSettings::BackupLocation, location);
}

int CBottlewrightApp::printOrientation() const {
    return StartupRules::normalizedOrientation(m_printOrientation);
}

void CBottlewrightApp::setPrintOrientation(int orientation) {
    m_printOrientation = StartupRules::normalizedOrientation(orientation);
}

bool CBottlewrightApp::hasInstalledPrinter() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPrinter& CBottlewrightApp::printer() {
    applyPrintOrientation();
    return *m_printer;
}

void CBottlewrightApp::applyPrintOrientation() {
    if (m_printer == nullptr) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!hasInstalledPrinter()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            // A PDF page is printable to its edges; the print style's margins count from there.
            m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        }
    }
    m_printOrientation = StartupRules::normalizedOrientation(m_printOrientation);
    m_printer->setPageOrientation(m_printOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QString CBottlewrightApp::documentName() const {
    return m_document != nullptr ? QString::fromStdString(m_document->title()) : QString();
}

void CBottlewrightApp::installDocument(std::unique_ptr<CBottlewrightDoc> document) {
    releaseDocument();
    m_document = std::move(document);
    m_document->addObserver(this);
    m_mainFrame->setDocument(m_document.get());
    m_mainFrame->showWindowOfKind(ViewKind::EntryList);
    refreshCommandStates();
}

void CBottlewrightApp::releaseDocument() {
    if (m_document == nullptr)
        return;
    m_document->removeObserver(this);
    // The windows go first: their views hold on to the document.
    m_mainFrame->setDocument(nullptr);
    m_document.reset();
    refreshCommandStates();
}

bool CBottlewrightApp::maySaveChanges() {
    if (m_document == nullptr || !m_document->isModified())
        return true;
    const QMessageBox::StandardButton answer =
        QMessageBox::question(m_mainFrame.get(), QStringLiteral("Bottlewright"),
                              QStringLiteral("Save changes to %1?").arg(documentName()),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return saveWorkingFile();
    return answer == QMessageBox::No;
}

bool CBottlewrightApp::closeWorkingFile() {
    if (!maySaveChanges())
        return false;
    releaseDocument();
    return true;
}

bool CBottlewrightApp::openWorkingFile(const QString& path) {
    auto document = std::make_unique<CBottlewrightDoc>(m_startDirectory);
    std::string error;
    try {
        error = document->open(FilePrompt::fromQtPath(path));
    } catch (const std::bad_alloc&) {
        document.reset();
        QMessageBox::warning(
            m_mainFrame.get(), QStringLiteral("Bottlewright"),
            QStringLiteral("There is not enough memory to open %1.").arg(QFileInfo(path).fileName()));
        return false;
    }
    if (!error.empty()) {
        QMessageBox::warning(m_mainFrame.get(), QStringLiteral("Bottlewright"),
                             QStringLiteral("Cannot open %1:\n%2")
                                 .arg(QFileInfo(path).fileName(), QString::fromStdString(error)));
        return false;
    }
    const std::string note = document->openNote();
    installDocument(std::move(document));
    m_recentFiles.add(QFileInfo(path).absoluteFilePath());
    m_mainFrame->setRecentFiles(m_recentFiles.files());
    if (!note.empty())
        QMessageBox::information(m_mainFrame.get(), QStringLiteral("Bottlewright"),
                                 QString::fromStdString(note));
    return true;
}

void CBottlewrightApp::newFile() {
    if (!closeWorkingFile())
        return;
    installDocument(std::make_unique<CBottlewrightDoc>(m_startDirectory));
}

void CBottlewrightApp::openFile() {
    if (!closeWorkingFile())
        return;
    const QString path = m_openPrompt(QStringLiteral("Open"), FilePrompt::toQtPath(m_startDirectory));
    if (!path.isEmpty())
        openWorkingFile(path);
}

void CBottlewrightApp::openRecentFile(int index) {
    if (index < 0 || index >= m_recentFiles.files().size())
        return;
    const QString path = m_recentFiles.files()[index];
    if (!closeWorkingFile())
        return;
    if (!openWorkingFile(path)) {
        m_recentFiles.remove(path);
        m_mainFrame->setRecentFiles(m_recentFiles.files());
    }
}

namespace {

// The whole file is built in memory before it is written; a cellar too large for that is a message.
std::string saveGuarded(const std::function<std::string()>& save) {
    try {
        return save();
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to save the file.";
    }
}

} // namespace

bool CBottlewrightApp::saveWorkingFile() {
    if (m_document == nullptr)
        return false;
    std::string error;
    if (m_document->pathName().empty()) {
        const QString path =
            m_savePrompt(QStringLiteral("Save As"),
                         FilePrompt::toQtPath(m_startDirectory / (m_document->title() + ".bwf")));
        if (path.isEmpty())
            return false;
        error = saveGuarded([&] { return m_document->saveAs(FilePrompt::fromQtPath(path)); });
        if (error.empty()) {
            m_recentFiles.add(QFileInfo(path).absoluteFilePath());
            m_mainFrame->setRecentFiles(m_recentFiles.files());
        }
    } else {
        error = saveGuarded([&] { return m_document->save(); });
    }
    if (!error.empty()) {
        QMessageBox::warning(
            m_mainFrame.get(), QStringLiteral("Bottlewright"),
            QStringLiteral("Cannot save %1:\n%2").arg(documentName(), QString::fromStdString(error)));
    }
    refreshCommandStates();
    return error.empty();
}

void CBottlewrightApp::setDefaultFilename() {
    const QString path = m_openPrompt(QStringLiteral("Set Default File Name"), m_defaultFileName);
    if (path.isEmpty())
        return;
    m_defaultFileName = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    AppSettings::write(AppSettings::DefaultFileName, m_defaultFileName);
}

void CBottlewrightApp::printSetup() {
    applyPrintOrientation();
    QPageSetupDialog dialog(m_printer.get(), m_mainFrame.get());
    dialog.exec();
    m_printOrientation = m_printer->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    if (m_document != nullptr)
        m_document->printerChanged();
}

void CBottlewrightApp::toggleSmartSelect() {
    AppSwitches::setSmartSelect(!AppSwitches::smartSelect());
    m_mainFrame->action(CommandId::SmartSelect)->setChecked(AppSwitches::smartSelect());
}

void CBottlewrightApp::toggleBinWarning() {
    AppSwitches::setBinWarning(!AppSwitches::binWarning());
}

void CBottlewrightApp::sortPrecedence() {
    if (m_document == nullptr)
        return;
    CSortPrecedenceDialog dialog(m_document->sortPrecedence(), m_fieldNames, m_startDirectory,
                                 m_mainFrame.get());
    connect(&dialog, &CSortPrecedenceDialog::helpRequested, this,
            [](int context) { showHelpContext(context); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_document->resortByNewPrecedence();
}

void CBottlewrightApp::modifyFieldNames() {
    const FieldNames before = m_fieldNames;
    CFieldNamesDialog dialog(m_fieldNames, m_startDirectory, m_mainFrame.get());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Save, Retrieve and Get Defaults change the table at once, so a change can come without OK.
    if ((accepted || m_fieldNames != before) && m_document != nullptr)
        m_document->fieldNamesChanged();
}

void CBottlewrightApp::showAbout() {
    CAboutDialog dialog(m_mainFrame.get());
    dialog.exec();
}

void CBottlewrightApp::showContextHelp() {
    const QMdiSubWindow* active = m_mainFrame->mdiArea()->activeSubWindow();
    for (const ViewKindInfo& kind : kViewKinds) {
        if (active != nullptr && isGraph(kind.kind) && m_mainFrame->windowOfKind(kind.kind) == active) {
            showHelpContext(kGraphHelpContext);
            return;
        }
    }
    showHelpContext(HelpWindow::kContents);
}

void CBottlewrightApp::refreshCommandStates() {
    m_mainFrame->refreshCommandStates();
}

void CBottlewrightApp::onUpdate(CDocObserver*, UpdateHint) {
    refreshCommandStates();
}
