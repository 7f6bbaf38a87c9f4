#include "app/CBottlewrightApp.h"
#include "app/CMainFrame.h"
#include "app/CommandId.h"
#include "document/CBottlewrightDoc.h"
#include "document/CDocumentCommands.h"
#include "document/CSelectionCriteriaSheet.h"
#include "document/CStatisticsDialog.h"
#include "helpers/FilePromptRecorder.h"
#include "helpers/HintRecorder.h"
#include "helpers/IsolatedSettings.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestStartDirectory.h"
#include "model/Today.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a message box showed: caption, icon and text.
struct Shown {
    QString caption;
    QMessageBox::Icon icon;
    QString text;
};

// Records every message box and presses its first button (OK).
class MessageRecorder {
public:
    MessageRecorder()
        : m_catcher([this](QMessageBox* box) {
              shown.push_back({box->windowTitle(), box->icon(), box->text()});
              box->accept();
          }) {}
    std::vector<Shown> shown;

private:
    ModalDialogCatcher<QMessageBox> m_catcher;
};

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private:
    std::optional<IsolatedSettings> m_settings;
    std::optional<TestStartDirectory> m_folder;
    std::unique_ptr<CBottlewrightApp> m_app;

    CBottlewrightDoc& doc() { return *m_app->document(); }
    void trigger(int commandId) {
        QAction* action = m_app->mainFrame().action(commandId);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    std::vector<int> focusMembers() {
        std::vector<int> members;
        for (int position = 0; position < doc().focusCount(); ++position)
            members.push_back(doc().focusMember(position));
        std::sort(members.begin(), members.end());
        return members;
    }
    std::vector<int> entriesWhere(const std::function<bool(const CWine&)>& condition) {
        std::vector<int> indices;
        for (int index = 0; index < doc().entryCount(); ++index)
            if (condition(*doc().entry(index)))
                indices.push_back(index);
        return indices;
    }
    std::vector<int> letterColors() {
        std::vector<int> colors;
        for (const auto& wine : doc().entries())
            colors.push_back(wine->m_nLetterColor);
        return colors;
    }

private Q_SLOTS:
    void init() {
        m_settings.emplace();
        m_folder.emplace();
        m_app = std::make_unique<CBottlewrightApp>(m_folder->path(), CBottlewrightApp::Show::Hidden);
        QVERIFY(m_app->document() != nullptr);
    }
    void cleanup() {
        m_app.reset();
        setTodayOverride(std::nullopt);
    }

    void quickCommandsRebuildTheFocusSetWithoutMarkingModified() {
        // The sample has wines of more than one colour; make sure of all four.
        for (int index = 0; index < 4; ++index)
            doc().entry(index)->m_nLetterColor = index;
        const std::pair<int, std::function<bool(const CWine&)>> commands[] = {
            {CommandId::ZeroBottleWines, [](const CWine& wine) { return wine.m_nNumberRemaining == 0; }},
            {CommandId::OneOrMoreBottleWines, [](const CWine& wine) { return wine.m_nNumberRemaining > 0; }},
            {CommandId::BlackLetterWines, [](const CWine& wine) { return wine.m_nLetterColor == 0; }},
            {CommandId::RedLetterWines, [](const CWine& wine) { return wine.m_nLetterColor == 1; }},
            {CommandId::GreenLetterWines, [](const CWine& wine) { return wine.m_nLetterColor == 2; }},
            {CommandId::BlueLetterWines, [](const CWine& wine) { return wine.m_nLetterColor == 3; }},
            {CommandId::AllWines, [](const CWine&) { return true; }},
        };
        for (const auto& [command, condition] : commands) {
            HintRecorder hints(doc());
            trigger(command);
            const std::vector<int> expected = entriesWhere(condition);
            QVERIFY(!expected.empty());
            QCOMPARE(focusMembers(), expected);
            QCOMPARE(hints.hints, QList<int>{HintFocusSet});
            QVERIFY(!doc().isModified());
        }
    }

    void changeAllToAColourAsksAndRecoloursOnlyTheFocusSet() {
        const char* const names[] = {"black", "red", "green", "blue"};
        const int commands[] = {CommandId::ChangeAllToBlack, CommandId::ChangeAllToRed,
                                CommandId::ChangeAllToGreen, CommandId::ChangeAllToBlue};
        trigger(CommandId::ZeroBottleWines);
        const std::vector<int> before = letterColors();
        for (int color = 0; color < 4; ++color) {
            MessageBoxCatcher boxes(QMessageBox::No);
            HintRecorder hints(doc());
            trigger(commands[color]);
            QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Are you sure you want all wines in the\n"
                                                               "Focus Set changed to have %1 letters?")
                                                    .arg(QLatin1String(names[color]))});
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
        QVERIFY(m_app->mainFrame().action(CommandId::Save)->isEnabled());
        QCOMPARE(focusMembers(), zeroBottles);
        const std::vector<int> after = letterColors();
        for (int index = 0; index < doc().entryCount(); ++index) {
            const bool member = std::binary_search(zeroBottles.begin(), zeroBottles.end(), index);
            QCOMPARE(after[index], member ? int(CWine::Red) : before[index]);
        }
    }

    void specifyFocusSetAppliesTheSheetOnlyOnOk() {
        trigger(CommandId::ZeroBottleWines);
        const std::vector<int> zeroBottles = focusMembers();
        {
            ModalDialogCatcher<CSelectionCriteriaSheet> sheet(
                [](CSelectionCriteriaSheet* s) { s->reject(); });
            HintRecorder hints(doc());
            trigger(CommandId::SpecifyFocusSet);
            QVERIFY(sheet.seen());
            QVERIFY(hints.hints.isEmpty());
            QCOMPARE(focusMembers(), zeroBottles);
        }
        // Untouched, the sheet asks for a new Focus Set of every entry.
        ModalDialogCatcher<CSelectionCriteriaSheet> sheet([](CSelectionCriteriaSheet* s) { s->accept(); });
        HintRecorder hints(doc());
        trigger(CommandId::SpecifyFocusSet);
        QVERIFY(sheet.seen());
        QCOMPARE(hints.hints, QList<int>{HintFocusSet});
        QCOMPARE(doc().focusCount(), doc().entryCount());
        QVERIFY(!doc().isModified());
    }

    void statisticsShowTheFocusSetBesideTheWorkingFile() {
        trigger(CommandId::ZeroBottleWines);
        const int zeroBottles = doc().focusCount();
        std::vector<std::array<QStringList, 2>> seen;
        QString caption;
        bool remainingChecked = false;
        ModalDialogCatcher<CStatisticsDialog> catcher([&](CStatisticsDialog* dialog) {
            caption = dialog->windowTitle();
            remainingChecked = dialog->kindButton(CStatisticsDialog::Remaining)->isChecked();
            const auto texts = [dialog] {
                std::array<QStringList, 2> both;
                for (int scope = 0; scope < 2; ++scope)
                    for (int row = 0; row < CStatisticsDialog::kRowCount; ++row)
                        both[scope] << dialog->text(CStatisticsDialog::Scope(scope),
                                                    CStatisticsDialog::Row(row));
                return both;
            };
            seen.push_back(texts());
            for (const auto kind : {CStatisticsDialog::Consumed, CStatisticsDialog::Acquired}) {
                QTest::mouseClick(dialog->kindButton(kind), Qt::LeftButton);
                seen.push_back(texts());
            }
            dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        });
        trigger(CommandId::ShowStatistics);
        QVERIFY(catcher.seen());
        QCOMPARE(caption, QDir::toNativeSeparators(m_folder->filePath(QStringLiteral("Sample3.bwf"))));
        QVERIFY(remainingChecked);
        QCOMPARE(seen.size(), size_t(3));
        // The sample's figures, as the command-line "stats" gives them too.
        const QString entries = QStringLiteral("83");
        QCOMPARE(seen[0][1], (QStringList{entries, "369", "$24,532.31", "$66.48", "$61,506.95", "$166.69"}));
        QCOMPARE(seen[1][1], (QStringList{entries, "183", "$7,751.85", "$42.36", "$21,952.93", "$119.96"}));
        QCOMPARE(seen[2][1], (QStringList{entries, "552", "$32,284.16", "$58.49", "$83,459.88", "$151.20"}));
        // The Focus Set holds only wines without bottles.
        QCOMPARE(seen[0][0],
                 (QStringList{QString::number(zeroBottles), "0", "$0.00", "$0.00", "$0.00", "$0.00"}));
        QCOMPARE(seen[1][0][0], QString::number(zeroBottles));
        QCOMPARE(seen[1][0][1], seen[2][0][1]);
    }

    void backupCopiesTheSavedFileAndSaysWhere() {
        QTemporaryDir location;
        const QString folder = QDir::toNativeSeparators(location.path()) + QDir::separator();
        m_app->setBackupLocation(folder);
        setTodayOverride(CalendarDate{2000, 1, 1});
        const std::filesystem::path saved = doc().pathName();
        doc().entry(0)->m_strProducer = "Not saved";
        doc().setModified(true);
        {
            MessageRecorder boxes;
            trigger(CommandId::Backup);
            trigger(CommandId::Backup);
            QCOMPARE(boxes.shown.size(), size_t(2));
            for (int i = 0; i < 2; ++i) {
                QCOMPARE(boxes.shown[i].caption, QStringLiteral("Backup Complete"));
                QCOMPARE(boxes.shown[i].icon, QMessageBox::Information);
                QCOMPARE(boxes.shown[i].text, QStringLiteral("Cellar File copied to ") + folder +
                                                  QStringLiteral("000101") + QChar('a' + i) +
                                                  QStringLiteral(".bwf."));
            }
        }
        const std::filesystem::path first = location.filePath(QStringLiteral("000101a.bwf")).toStdString();
        QVERIFY(contents(first) == contents(saved));

        for (char letter = 'c'; letter <= 'y'; ++letter)
            std::ofstream(location.filePath(QStringLiteral("000101%1.bwf").arg(QChar(letter))).toStdString());
        {
            MessageRecorder boxes;
            trigger(CommandId::Backup);
            QCOMPARE(boxes.shown.size(), size_t(1));
            QCOMPARE(boxes.shown[0].caption, QStringLiteral("Backup Failed"));
            QCOMPARE(boxes.shown[0].icon, QMessageBox::Critical);
            QCOMPARE(boxes.shown[0].text, QStringLiteral("Too many backups at this location today.\n"
                                                         "Insert a new floppy disk or choose a new\n"
                                                         "backup location and try again."));
        }
        QCOMPARE(QDir(location.path()).entryList(QDir::Files).size(), 25);

        m_app->setBackupLocation(folder + QStringLiteral("missing") + QDir::separator());
        MessageRecorder boxes;
        trigger(CommandId::Backup);
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown[0].caption, QStringLiteral("Backup Failed"));
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(
            boxes.shown[0].text,
            QString::fromStdString(std::make_error_code(std::errc::no_such_file_or_directory).message()));
    }

    void setBackupLocationTakesTheChosenFolderWithASeparator() {
        QTemporaryDir chosen;
        QStringList captions;
        QList<QWidget*> parents;
        QUrl answer;
        m_app->documentCommands().setFolderPrompt([&](QWidget* parent, const QString& caption) {
            parents << parent;
            captions << caption;
            return answer;
        });
        const QString before = m_app->backupLocation();
        {
            MessageRecorder boxes;
            trigger(CommandId::SetBackupLocation); // cancelled
            answer = QUrl(QStringLiteral("https://example.com/cellar"));
            trigger(CommandId::SetBackupLocation);
            QCOMPARE(captions, (QStringList{"Choose Your Backup Location", "Choose Your Backup Location"}));
            QCOMPARE(parents, (QList<QWidget*>{&m_app->mainFrame(), &m_app->mainFrame()}));
            QCOMPARE(boxes.shown.size(), size_t(1));
            QCOMPARE(boxes.shown[0].text, QStringLiteral("Warning:  Source directory not set."));
            QCOMPARE(boxes.shown[0].icon, QMessageBox::Critical);
            QCOMPARE(m_app->backupLocation(), before);
        }

        answer = QUrl::fromLocalFile(chosen.path());
        const QString expected = QDir::toNativeSeparators(chosen.path()) + QDir::separator();
        MessageRecorder boxes;
        trigger(CommandId::SetBackupLocation);
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Backup location set as\n\n   ") + expected);
        QCOMPARE(boxes.shown[0].icon, QMessageBox::Information);
        QCOMPARE(m_app->backupLocation(), expected);
        QCOMPARE(QSettings().value(QStringLiteral("Backup/Location")).toString(), expected);

        // A folder that already ends in a separator gets no second one.
        answer = QUrl::fromLocalFile(QDir::rootPath());
        trigger(CommandId::SetBackupLocation);
        QCOMPARE(m_app->backupLocation(), QDir::toNativeSeparators(QDir::rootPath()));
    }

    void theFolderChooserAsksForAFolder() {
        FilePromptRecorder prompts;
        MessageBoxCatcher boxes;
        const QString before = m_app->backupLocation();
        trigger(CommandId::SetBackupLocation);
        QCOMPARE(prompts.prompts.size(), size_t(1));
        QCOMPARE(prompts.prompts[0].title, QStringLiteral("Choose Your Backup Location"));
        QCOMPARE(prompts.prompts[0].fileMode, QFileDialog::Directory);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(m_app->backupLocation(), before);
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "documentcommands_test.moc"
