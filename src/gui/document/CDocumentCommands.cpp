#include "gui/document/CDocumentCommands.h"

#include "core/document/Backup.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/document/Statistics.h"
#include "gui/common/AppSettings.h"
#include "gui/common/FilePrompt.h"
#include "gui/document/CSelectionCriteriaSheet.h"
#include "gui/document/CStatisticsDialog.h"

#include <new>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

const QString kProgram = QStringLiteral("Bottlewright");
const QString kBackupFailed = QStringLiteral("Backup Failed");
const char* const kColorNames[] = {"black", "red", "green", "blue"};

} // namespace

CDocumentCommands::CDocumentCommands(Host& host, const FieldNames& fieldNames,
                                     std::filesystem::path startDirectory, QWidget* window)
    : m_host(host), m_fieldNames(fieldNames), m_startDirectory(std::move(startDirectory)), m_window(window) {
    m_folderPrompt = [](QWidget* parent, const QString& caption) {
        return QFileDialog::getExistingDirectoryUrl(parent, caption, QUrl::fromLocalFile(QDir::rootPath()),
                                                    QFileDialog::ShowDirsOnly, {QStringLiteral("file")});
    };
}

void CDocumentCommands::selectAllWines() {
    if (CBottlewrightDoc* doc = document())
        doc->selectAllWines();
}

void CDocumentCommands::selectZeroBottleWines() {
    if (CBottlewrightDoc* doc = document())
        doc->selectZeroBottleWines();
}

void CDocumentCommands::selectOneOrMoreBottleWines() {
    if (CBottlewrightDoc* doc = document())
        doc->selectOneOrMoreBottleWines();
}

void CDocumentCommands::selectLetterColorWines(int color) {
    if (CBottlewrightDoc* doc = document())
        doc->selectLetterColorWines(color);
}

void CDocumentCommands::specifyFocusSet() {
    CBottlewrightDoc* doc = document();
    if (doc == nullptr)
        return;
    CSelectionCriteriaSheet sheet(m_fieldNames, m_startDirectory, window());
    if (sheet.exec() == QDialog::Accepted)
        doc->applyFocusCriteria(sheet.criteria());
}

void CDocumentCommands::changeAllLetterColors(int color) {
    CBottlewrightDoc* doc = document();
    if (doc == nullptr || color < CWine::Black || color > CWine::Blue)
        return;
    const QString question = QStringLiteral("Are you sure you want all wines in the\n"
                                            "Focus Set changed to have %1 letters?")
                                 .arg(QString::fromLatin1(kColorNames[color]));
    if (QMessageBox::question(window(), kProgram, question, QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes)
        doc->setFocusLetterColor(color);
}

void CDocumentCommands::showStatistics() {
    const CBottlewrightDoc* doc = document();
    if (doc == nullptr)
        return;
    const QString caption = doc->pathName().empty()
                                ? QString::fromStdString(doc->title())
                                : QDir::toNativeSeparators(FilePrompt::toQtPath(doc->pathName()));
    CStatisticsDialog dialog(Statistics::compute(*doc), caption, window());
    dialog.exec();
}

void CDocumentCommands::backup() {
    const CBottlewrightDoc* doc = document();
    if (doc == nullptr)
        return;
    const QString location = m_host.backupLocation();
    // The default folder is made on first use; a folder the user chose must exist already.
    if (location == AppSettings::defaultBackupLocation())
        QDir().mkpath(location);
    // The file as last saved: unsaved changes are not in the copy.
    Backup::Result result;
    try {
        result = Backup::make(doc->pathName(), FilePrompt::fromQtPath(location));
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(window(), kBackupFailed,
                              QStringLiteral("There is not enough memory to open %1.")
                                  .arg(QString::fromStdString(doc->title())));
        return;
    }
    switch (result.outcome) {
    case Backup::Result::Copied:
        QMessageBox::information(
            window(), QStringLiteral("Backup Complete"),
            QStringLiteral("Cellar File copied to %1.")
                .arg(QDir::toNativeSeparators(FilePrompt::toQtPath(result.destination))));
        break;
    case Backup::Result::TooMany:
        QMessageBox::critical(window(), kBackupFailed,
                              QStringLiteral("Too many backups at this location today.\n"
                                             "Insert a new floppy disk or choose a new\n"
                                             "backup location and try again."));
        break;
    case Backup::Result::Failed:
        if (result.sourceFailed) {
            QMessageBox::critical(window(), kBackupFailed, QString::fromLocal8Bit(result.error));
            break;
        }
        if (QMessageBox::critical(window(), kBackupFailed,
                                  QStringLiteral("The backup location %1 cannot be used: %2.\n\n"
                                                 "Do you want to choose another with Set Backup Location?")
                                      .arg(location, QString::fromLocal8Bit(result.error)),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            setBackupLocation();
        break;
    }
}

void CDocumentCommands::setBackupLocation() {
    const QUrl folder = m_folderPrompt(window(), QStringLiteral("Choose Your Backup Location"));
    if (folder.isEmpty())
        return;
    if (!folder.isLocalFile() || folder.toLocalFile().isEmpty()) {
        QMessageBox::critical(window(), kProgram, QStringLiteral("Warning:  Source directory not set."));
        return;
    }
    QString location = QDir::toNativeSeparators(folder.toLocalFile());
    if (!location.endsWith(QDir::separator()))
        location += QDir::separator();
    m_host.setBackupLocation(location);
    QMessageBox::information(window(), kProgram, QStringLiteral("Backup location set as\n\n   ") + location);
}
