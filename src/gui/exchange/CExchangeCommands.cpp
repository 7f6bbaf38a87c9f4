#include "gui/exchange/CExchangeCommands.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/exchange/CellarTrackerImport.h"
#include "core/exchange/FocusSetFiles.h"
#include "core/model/AtomicFile.h"
#include "core/model/Version2File.h"
#include "gui/common/HelpWindow.h"
#include "gui/exchange/CFieldMapDlg.h"
#include "gui/exchange/ExchangeHost.h"

#include <memory>

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

const QString kProgram = QStringLiteral("Bottlewright");
const QString kTextFilter = QStringLiteral("Text Files (*.txt)");
const QString kCellarFilter = QStringLiteral("Cellar Files (*.bwf)");

// The wait cursor for as long as the object lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString qtText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

CExchangeCommands::CExchangeCommands(ExchangeHost& host, QObject* parent) : QObject(parent), m_host(host) {
    m_prompt = [this](FilePrompt::Mode mode, const QString& caption, const std::filesystem::path& folder,
                      const QString& filter, const QString& suffix) {
        return FilePrompt::ask(m_host.mainWindow(), mode, caption, folder, filter, suffix);
    };
}

std::filesystem::path CExchangeCommands::ask(FilePrompt::Mode mode, const QString& caption,
                                             const QString& filter, const QString& suffix,
                                             const std::filesystem::path& suggested) {
    const std::filesystem::path folder = m_host.enterStartDirectory();
    return m_prompt(mode, caption, suggested.empty() ? folder : suggested, filter, suffix);
}

bool CExchangeCommands::readFile(const std::filesystem::path& path, std::string& bytes) {
    std::string error;
    if (readWholeFile(path, bytes, error))
        return true;
    QMessageBox::warning(m_host.mainWindow(), kProgram,
                         QStringLiteral("Unable to open ") + FilePrompt::toQtPath(path));
    return false;
}

void CExchangeCommands::inform(const std::string& message) {
    QMessageBox::information(m_host.mainWindow(), kProgram, qtText(message));
}

void CExchangeCommands::warn(const std::string& message) {
    QMessageBox::warning(m_host.mainWindow(), kProgram, qtText(message));
}

ExchangeProgress CExchangeCommands::progress(const QString& label) {
    // Made on the first report of a large file only, so small files never flash a dialog.
    auto dialog = std::make_shared<std::unique_ptr<QProgressDialog>>();
    return [this, dialog, label](std::size_t done, std::size_t total) {
        if (total <= kProgressLines)
            return true;
        if (*dialog == nullptr) {
            *dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0,
                                                        static_cast<int>(total), m_host.mainWindow());
            (*dialog)->setWindowTitle(kProgram);
            (*dialog)->setWindowModality(Qt::WindowModal);
            (*dialog)->setMinimumDuration(0);
        }
        (*dialog)->setValue(static_cast<int>(done));
        QApplication::processEvents();
        return !(*dialog)->wasCanceled();
    };
}

void CExchangeCommands::importText() {
    if (!m_host.closeWorkingFileForExchange())
        return;
    const std::filesystem::path path =
        ask(FilePrompt::Mode::Open, QStringLiteral("Tab Separated Text File for Import"), kTextFilter,
            QStringLiteral("txt"));
    if (path.empty())
        return;
    CFieldMapDlg map(CFieldMapDlg::Mode::Import, path, m_host.currentFieldNames(),
                     m_host.enterStartDirectory(), m_host.mainWindow());
    map.setFilePrompt(m_prompt);
    connect(&map, &CFieldMapDlg::helpRequested, this, [](int context) { showHelpContext(context); });
    if (map.exec() != QDialog::Accepted)
        return;
    std::string bytes;
    if (!readFile(path, bytes))
        return;
    TabImportResult result;
    {
        WaitCursor wait;
        result = TabImport::read(bytes, map.fieldMap(), map.columnCount(),
                                 progress(QStringLiteral("Importing...")));
        if (result.cancelled)
            return;
        if (CBottlewrightDoc* doc = m_host.newWorkingFileForExchange())
            doc->fillWithImported(std::move(result.entries));
    }
    inform(result.message());
}

void CExchangeCommands::importCellarTracker() {
    if (!m_host.closeWorkingFileForExchange())
        return;
    const std::filesystem::path path = ask(
        FilePrompt::Mode::Open, QStringLiteral("CellarTracker Export to Import"),
        QStringLiteral("CellarTracker Exports (*.csv *.tsv *.txt);;All Files (*)"), QStringLiteral("csv"));
    if (path.empty())
        return;
    std::string bytes;
    if (!readFile(path, bytes))
        return;
    CellarTrackerResult result;
    {
        WaitCursor wait;
        result = CellarTrackerImport::read(bytes, progress(QStringLiteral("Importing...")));
    }
    if (result.cancelled)
        return;
    if (!result.recognized) {
        warn(FilePrompt::toQtPath(path).toStdString() + ":\n" +
             std::string(CellarTrackerImport::kNotAnExport));
        return;
    }
    const std::string message = result.message();
    if (CBottlewrightDoc* doc = m_host.newWorkingFileForExchange())
        doc->fillWithImported(std::move(result.entries));
    inform(message);
}

void CExchangeCommands::convertVersion2() {
    if (!m_host.closeWorkingFileForExchange())
        return;
    const std::filesystem::path path =
        ask(FilePrompt::Mode::Open, QStringLiteral("Old Version File to Convert"),
            QStringLiteral("Cellar Files (*.clr);;Expired Wines (*.xpr)"), QStringLiteral("clr"));
    if (path.empty())
        return;
    std::string bytes, error;
    if (!readWholeFile(path, bytes, error)) {
        warn("File Open Failed");
        return;
    }
    WaitCursor wait;
    Version2ReadResult result = Version2File::read(bytes);
    if (!result.isVersion2) {
        warn(Version2File::notVersion2Message(FilePrompt::toQtPath(path).toStdString()));
        return;
    }
    if (CBottlewrightDoc* doc = m_host.newWorkingFileForExchange())
        doc->fillWithImported(std::move(result.entries));
}

void CExchangeCommands::saveFocusSet() {
    CBottlewrightDoc* doc = m_host.workingFile();
    if (doc == nullptr)
        return;
    const std::filesystem::path path = ask(FilePrompt::Mode::Save, QStringLiteral("Save Focus Set to File"),
                                           kCellarFilter, QStringLiteral("bwf"));
    if (path.empty())
        return;
    FocusSetFiles::Outcome outcome;
    {
        WaitCursor wait;
        outcome = FocusSetFiles::save(path, doc->focusEntries(), doc->pathName());
    }
    outcome.ok ? inform(outcome.message) : warn(outcome.message);
}

void CExchangeCommands::appendFocusSet() {
    CBottlewrightDoc* doc = m_host.workingFile();
    if (doc == nullptr)
        return;
    const std::filesystem::path path = ask(FilePrompt::Mode::Open, QStringLiteral("Append Focus Set to File"),
                                           kCellarFilter, QStringLiteral("bwf"));
    if (path.empty())
        return;
    FocusSetFiles::Outcome outcome;
    {
        WaitCursor wait;
        outcome = FocusSetFiles::append(path, doc->focusEntries(), doc->pathName());
    }
    outcome.ok ? inform(outcome.message) : warn(outcome.message);
}

void CExchangeCommands::exportFocusSet() {
    CBottlewrightDoc* doc = m_host.workingFile();
    if (doc == nullptr)
        return;
    // The Working File's own name, up to ".bwf", is offered.
    const std::string working = doc->pathName().string();
    const std::size_t extension = working.find(".bwf");
    const std::filesystem::path suggested = extension == std::string::npos
                                                ? std::filesystem::path()
                                                : std::filesystem::path(working.substr(0, extension));
    const std::filesystem::path path =
        ask(FilePrompt::Mode::Save, QStringLiteral("Save Focus Set to Tab Separated Text File"), kTextFilter,
            QStringLiteral("txt"), suggested);
    if (path.empty())
        return;
    if (FocusSetFiles::isWorkingFile(path, doc->pathName())) {
        warn(FocusSetFiles::exportRefusal(path));
        return;
    }
    CFieldMapDlg map(CFieldMapDlg::Mode::Export, {}, m_host.currentFieldNames(), m_host.enterStartDirectory(),
                     m_host.mainWindow());
    map.setFilePrompt(m_prompt);
    connect(&map, &CFieldMapDlg::helpRequested, this, [](int context) { showHelpContext(context); });
    if (map.exec() != QDialog::Accepted || map.fieldMap().exportColumnCount() == 0)
        return;
    FocusSetFiles::Outcome outcome;
    {
        WaitCursor wait;
        outcome = FocusSetFiles::exportText(path, doc->focusEntries(), map.fieldMap(),
                                            m_host.currentFieldNames(), doc->pathName());
    }
    outcome.ok ? inform(outcome.message) : warn(outcome.message);
}
