#include "../core/helpers/DocumentTestAccess.h"
#include "../core/helpers/TestFiles.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/model/Today.h"
#include "gui/common/CommandId.h"
#include "gui/document/CDocumentCommands.h"
#include "gui/document/CStatisticsDialog.h"
#include "helpers/FilePromptRecorder.h"
#include "helpers/HintRecorder.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestApp.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records every message box as "caption|icon|text" and presses its first button (OK).
class MessageRecorder {
public:
    MessageRecorder()
        : m_catcher([this](QMessageBox* box) {
              shown << QStringLiteral("%1|%2|%3")
                           .arg(box->windowTitle())
                           .arg(int(box->icon()))
                           .arg(box->text());
              box->accept();
          }) {}
    QStringList shown;

private:
    ModalDialogCatcher<QMessageBox> m_catcher;
};

QString shown(const QString& caption, QMessageBox::Icon icon, const QString& text) {
    return QStringLiteral("%1|%2|%3").arg(caption).arg(int(icon)).arg(text);
}

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private:
    std::optional<TestApp> m_program;

    CBottlewrightDoc& doc() { return *m_program->app->document(); }
    void trigger(int commandId) {
        QAction* action = m_program->action(commandId);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    std::vector<int> focusMembers() {
        std::vector<int> members = DocumentTestAccess::focusMembers(doc());
        std::sort(members.begin(), members.end());
        return members;
    }
    std::vector<int> letterColors() {
        std::vector<int> colors;
        for (const auto& wine : doc().entries())
            colors.push_back(wine->m_nLetterColor);
        return colors;
    }

private Q_SLOTS:
    void init() {
        m_program.emplace();
        QVERIFY(m_program->start().document() != nullptr);
    }
    void cleanup() {
        m_program.reset();
        setTodayOverride(std::nullopt);
    }

    void quickCommandsRebuildTheFocusSetWithoutMarkingModified() {
        // The sample has wines of more than one colour; make sure of all four.
        for (int index = 0; index < 4; ++index)
            doc().entry(index)->m_nLetterColor = index;
        const std::pair<int, int> commands[] = {
            {CommandId::ZeroBottleWines, 3},   {CommandId::OneOrMoreBottleWines, 80},
            {CommandId::BlackLetterWines, 56}, {CommandId::RedLetterWines, 8},
            {CommandId::GreenLetterWines, 10}, {CommandId::BlueLetterWines, 9},
            {CommandId::AllWines, 83},
        };
        for (const auto& [command, count] : commands) {
            HintRecorder hints(doc());
            trigger(command);
            QCOMPARE(doc().focusCount(), count);
            QCOMPARE(hints.hints, QList<int>{HintFocusSet});
            QVERIFY(!doc().isModified());
        }
    }

    void changeAllToAColourAsksAndRecoloursOnlyTheFocusSet() {
        const std::pair<int, const char*> commands[] = {{CommandId::ChangeAllToBlack, "black"},
                                                        {CommandId::ChangeAllToRed, "red"},
                                                        {CommandId::ChangeAllToGreen, "green"},
                                                        {CommandId::ChangeAllToBlue, "blue"}};
        trigger(CommandId::ZeroBottleWines);
        const std::vector<int> before = letterColors();
        for (const auto& [command, name] : commands) {
            MessageBoxCatcher boxes(QMessageBox::No);
            HintRecorder hints(doc());
            trigger(command);
            QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Are you sure you want all wines in the\n"
                                                               "Focus Set changed to have %1 letters?")
                                                    .arg(QLatin1String(name))});
            QVERIFY(hints.hints.isEmpty());
        }
        QVERIFY(letterColors() == before);
        QVERIFY(!doc().isModified());

        const std::vector<int> zeroBottles = focusMembers();
        MessageBoxCatcher boxes(QMessageBox::Yes);
        HintRecorder hints(doc());
        trigger(CommandId::ChangeAllToRed);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(hints.hints, QList<int>{HintLetterColors});
        QVERIFY(doc().isModified());
        QVERIFY(m_program->action(CommandId::Save)->isEnabled());
        QCOMPARE(focusMembers(), zeroBottles);
        const std::vector<int> after = letterColors();
        for (int index = 0; index < doc().entryCount(); ++index) {
            const bool member = std::binary_search(zeroBottles.begin(), zeroBottles.end(), index);
            QCOMPARE(after[index], member ? int(CWine::Red) : before[index]);
        }
    }

    void statisticsShowTheFocusSetBesideTheWorkingFile() {
        trigger(CommandId::ZeroBottleWines);
        const QString zeroBottles = QString::number(doc().focusCount());
        QStringList seen[3][2];
        QString caption;
        bool remainingChecked = false;
        ModalDialogCatcher<CStatisticsDialog> catcher([&](CStatisticsDialog* dialog) {
            caption = dialog->windowTitle();
            remainingChecked = dialog->kindButton(CStatisticsDialog::Remaining)->isChecked();
            const CStatisticsDialog::Kind kinds[] = {
                CStatisticsDialog::Remaining, CStatisticsDialog::Consumed, CStatisticsDialog::Acquired};
            for (int kind = 0; kind < 3; ++kind) {
                if (kind > 0)
                    QTest::mouseClick(dialog->kindButton(kinds[kind]), Qt::LeftButton);
                for (int scope = 0; scope < 2; ++scope)
                    for (int row = 0; row < CStatisticsDialog::kRowCount; ++row)
                        seen[kind][scope]
                            << dialog->text(CStatisticsDialog::Scope(scope), CStatisticsDialog::Row(row));
            }
            dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        });
        trigger(CommandId::ShowStatistics);
        QVERIFY(catcher.seen());
        QCOMPARE(caption,
                 QDir::toNativeSeparators(m_program->folder.filePath(QStringLiteral("Sample3.bwf"))));
        QVERIFY(remainingChecked);
        // The sample's figures, as the command-line "stats" gives them too.
        QCOMPARE(seen[0][1], (QStringList{"83", "369", "$24,532.31", "$66.48", "$61,506.95", "$166.69"}));
        QCOMPARE(seen[1][1], (QStringList{"83", "183", "$7,751.85", "$42.36", "$21,952.93", "$119.96"}));
        QCOMPARE(seen[2][1], (QStringList{"83", "552", "$32,284.16", "$58.49", "$83,459.88", "$151.20"}));
        // The Focus Set holds only wines without bottles.
        QCOMPARE(seen[0][0], (QStringList{zeroBottles, "0", "$0.00", "$0.00", "$0.00", "$0.00"}));
        QCOMPARE(seen[1][0][0], zeroBottles);
        QCOMPARE(seen[1][0][1], seen[2][0][1]);
    }

    void backupCopiesTheSavedFileAndSaysWhere() {
        QTemporaryDir location;
        const QString folder = QDir::toNativeSeparators(location.path()) + QDir::separator();
        m_program->app->setBackupLocation(folder);
        setTodayOverride(CalendarDate{2000, 1, 1});
        const std::filesystem::path saved = doc().pathName();
        doc().entry(0)->m_strProducer = "Not saved";
        doc().setModified(true);
        {
            MessageRecorder boxes;
            trigger(CommandId::Backup);
            trigger(CommandId::Backup);
            const auto copied = [&folder](char letter) {
                return shown("Backup Complete", QMessageBox::Information,
                             "Cellar File copied to " + folder + "000101" + QChar(letter) + ".bwf.");
            };
            QCOMPARE(boxes.shown, (QStringList{copied('a'), copied('b')}));
        }
        QVERIFY(fileContents(location.filePath(QStringLiteral("000101a.bwf")).toStdString()) ==
                fileContents(saved));

        for (char letter = 'c'; letter <= 'y'; ++letter)
            std::ofstream(location.filePath(QStringLiteral("000101%1.bwf").arg(QChar(letter))).toStdString());
        {
            MessageRecorder boxes;
            trigger(CommandId::Backup);
            QCOMPARE(boxes.shown, QStringList{shown("Backup Failed", QMessageBox::Critical,
                                                    "Too many backups at this location today.\n"
                                                    "Insert a new floppy disk or choose a new\n"
                                                    "backup location and try again.")});
        }
        QCOMPARE(QDir(location.path()).entryList(QDir::Files).size(), 25);
    }

    // The first Backup of a fresh setup goes to the documents folder; a location that cannot be used
    // offers Set Backup Location.
    void theDefaultLocationIsMadeOnFirstUseAndABadOneOffersToChooseAnother() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
        m_program.emplace();
        m_program->start();
        const QString expected =
            QDir::toNativeSeparators(home.path() + QStringLiteral("/Documents/Bottlewright Backups/"));
        QCOMPARE(m_program->app->backupLocation(), expected);
        setTodayOverride(CalendarDate{2000, 1, 1});
        {
            MessageRecorder boxes;
            trigger(CommandId::Backup);
            QCOMPARE(boxes.shown, QStringList{shown("Backup Complete", QMessageBox::Information,
                                                    "Cellar File copied to " + expected + "000101a.bwf.")});
        }

        m_program->app->setBackupLocation(QStringLiteral("/proc/none/"));
        int prompts = 0;
        m_program->app->documentCommands().setFolderPrompt([&prompts](QWidget*, const QString&) {
            ++prompts;
            return QUrl();
        });
        MessageBoxCatcher boxes(QMessageBox::Yes);
        trigger(CommandId::Backup);
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(
            boxes.lastText().startsWith(QStringLiteral("The backup location /proc/none/ cannot be used: ")),
            qPrintable(boxes.lastText()));
        QCOMPARE(prompts, 1);
        setTodayOverride(std::nullopt);
        qputenv("HOME", oldHome);
        qunsetenv("XDG_CONFIG_HOME");
    }

    void setBackupLocationTakesTheChosenFolderWithASeparator() {
        const QString before = m_program->app->backupLocation();
        {
            // The real chooser asks for a folder; cancelled, it changes nothing.
            FilePromptRecorder prompts;
            MessageBoxCatcher boxes;
            trigger(CommandId::SetBackupLocation);
            QCOMPARE(prompts.prompts.size(), size_t(1));
            QCOMPARE(prompts.prompts[0].title, QStringLiteral("Choose Your Backup Location"));
            QCOMPARE(prompts.prompts[0].fileMode, QFileDialog::Directory);
            QCOMPARE(boxes.count(), 0);
        }
        QUrl answer(QStringLiteral("https://example.com/cellar"));
        QList<QWidget*> parents;
        QStringList captions;
        m_program->app->documentCommands().setFolderPrompt([&](QWidget* parent, const QString& caption) {
            parents << parent;
            captions << caption;
            return answer;
        });
        {
            MessageRecorder boxes;
            trigger(CommandId::SetBackupLocation);
            QCOMPARE(boxes.shown, QStringList{shown("Bottlewright", QMessageBox::Critical,
                                                    "Warning:  Source directory not set.")});
            QCOMPARE(parents, QList<QWidget*>{&m_program->frame()});
            QCOMPARE(captions, QStringList{"Choose Your Backup Location"});
            QCOMPARE(m_program->app->backupLocation(), before);
        }

        QTemporaryDir chosen;
        answer = QUrl::fromLocalFile(chosen.path());
        const QString expected = QDir::toNativeSeparators(chosen.path()) + QDir::separator();
        MessageRecorder boxes;
        trigger(CommandId::SetBackupLocation);
        QCOMPARE(boxes.shown, QStringList{shown("Bottlewright", QMessageBox::Information,
                                                "Backup location set as\n\n   " + expected)});
        QCOMPARE(m_program->app->backupLocation(), expected);
        QCOMPARE(QSettings().value(QStringLiteral("Backup/Location")).toString(), expected);

        // A folder that already ends in a separator gets no second one.
        answer = QUrl::fromLocalFile(QDir::rootPath());
        trigger(CommandId::SetBackupLocation);
        QCOMPARE(m_program->app->backupLocation(), QDir::toNativeSeparators(QDir::rootPath()));
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "documentcommands_test.moc"
