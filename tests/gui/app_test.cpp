#include "core/document/CBottlewrightDoc.h"
#include "gui/app/CBottlewrightApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/common/AppSettings.h"
#include "gui/common/AppSwitches.h"
#include "gui/common/CommandId.h"
#include "gui/views/entrylist/CChildFrame.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "helpers/HintRecorder.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestApp.h"

#include <fstream>
#include <memory>
#include <optional>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

namespace {

QVariant setting(const char* key) {
    return QSettings().value(QString::fromLatin1(key));
}

// A file prompt that records its questions and gives a fixed answer.
struct RecordingPrompt {
    QString answer;
    QStringList captions;
    QStringList initialPaths;

    CBottlewrightApp::FileNamePrompt function() {
        return [this](const QString& caption, const QString& initialPath) {
            captions << caption;
            initialPaths << initialPath;
            return answer;
        };
    }
};

} // namespace

class AppTest : public QObject {
    Q_OBJECT

private:
    std::optional<TestApp> m_program;

    CBottlewrightApp& start() { return m_program->start(); }
    CMainFrame& frame() { return m_program->frame(); }
    QAction* action(int commandId) { return frame().action(commandId); }
    QString sample() const { return m_program->folder.filePath(QStringLiteral("Sample3.bwf")); }
    QStringList menuTitles() {
        QStringList titles;
        for (const QMenu* menu : frame().menus())
            titles << menu->title();
        return titles;
    }
    QString statusText() {
        const auto* label = frame().statusBar()->findChild<QLabel*>();
        return label != nullptr ? label->text() : QString();
    }

private Q_SLOTS:
    void init() { m_program.emplace(); }
    void cleanup() { m_program.reset(); }

    void firstRunUsesDefaultsAndOpensTheSampleInTheEntryList() {
        MessageBoxCatcher boxes;
        CBottlewrightApp& app = start();
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(app.backupLocation(), AppSettings::defaultBackupLocation());
        QVERIFY(app.smartSelect() && action(CommandId::SmartSelect)->isChecked());
        QVERIFY(app.binWarning() && action(CommandId::ShowBinWarnings)->isChecked());
        QCOMPARE(app.printOrientation(), 1);
        QCOMPARE(app.defaultFileName(), sample());
        QCOMPARE(app.fieldName(0), std::string("Vint"));
        QCOMPARE(app.fieldName(24), std::string("Drk"));

        QVERIFY(app.document() != nullptr);
        QVERIFY(app.document()->entryCount() > 0);
        QCOMPARE(app.document()->focusCount(), app.document()->entryCount());
        const QList<QMdiSubWindow*> windows = frame().documentWindows();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first()->windowTitle(), QStringLiteral("Entry List"));
        QVERIFY(windows.first()->isMaximized());
        QCOMPARE(frame().entryListFrame(), windows.first());
        QCOMPARE(menuTitles(), (QStringList{"&File", "&View", "&Graphs", "Focus &Set", "Entry &List",
                                            "&Options", "&Misc", "&Window", "&Help"}));
        QCOMPARE(frame().windowTitle(), QStringLiteral("Bottlewright - Sample3.bwf[*]"));
        QVERIFY(!frame().isWindowModified());
        QCOMPARE(statusText(), QStringLiteral("%1 entries").arg(app.document()->entryCount()));
        QCOMPARE(app.recentFiles().files(), QStringList{sample()});
    }

    void aMissingOrUnreadableDefaultFileIsReportedAndLeavesTheShortMenu() {
        for (const bool missing : {true, false}) {
            m_program.emplace(TestStartDirectory::Empty);
            if (!missing)
                std::ofstream(m_program->folder.path() / "Sample3.bwf", std::ios::binary) << "not a cellar";
            MessageBoxCatcher boxes;
            start();
            QCOMPARE(boxes.count(), 1);
            QVERIFY2(boxes.lastText().startsWith(QStringLiteral("Cannot open Sample3.bwf:\n")),
                     qPrintable(boxes.lastText()));
            QCOMPARE(boxes.lastText().count(QLatin1Char('\n')), 1);
            QVERIFY(m_program->app->document() == nullptr);
            QCOMPARE(menuTitles(), (QStringList{"&File", "&View", "&Help"}));
            QCOMPARE(frame().windowTitle(), QStringLiteral("Bottlewright"));
            QCOMPARE(statusText(), QStringLiteral("Ready"));
            QVERIFY(frame().documentWindows().isEmpty());
            QVERIFY(!action(CommandId::Save)->isEnabled());
            QVERIFY(!action(CommandId::NextGraph)->isEnabled());
        }
    }

    void aFileGivenAtStartReplacesTheDefaultAndOneThatCannotBeReadIsReported() {
        const QString other = m_program->folder.copySample(QStringLiteral("Other.bwf"));
        const auto startOn = [this](const QString& file) {
            m_program->app.reset();
            m_program->app = std::make_unique<CBottlewrightApp>(m_program->folder.path(),
                                                                CBottlewrightApp::Show::Hidden, file);
        };
        startOn(other);
        QCOMPARE(m_program->app->document()->title(), std::string("Other.bwf"));
        MessageBoxCatcher boxes;
        startOn(m_program->folder.filePath(QStringLiteral("Missing.bwf")));
        QVERIFY(boxes.lastText().startsWith(QStringLiteral("Cannot open Missing.bwf:\n")));
        QVERIFY(m_program->app->document() == nullptr);
    }

    void aFileWithBytesAfterItsLastEntryOpensWithOneNote() {
        CBottlewrightApp& app = start();
        const QString padded = m_program->folder.copySample(QStringLiteral("Padded.bwf"));
        std::ofstream(padded.toStdString(), std::ios::binary | std::ios::app) << std::string(4, '\0');
        MessageBoxCatcher boxes;
        QVERIFY(app.openWorkingFile(padded));
        QCOMPARE(boxes.texts(), QStringList{"The file holds 4 bytes after its last entry; they will not be "
                                            "kept when you save."});
        QVERIFY(app.document() != nullptr);
    }

    void setDefaultFilenameWritesAtOnceAndTheNextStartOpensIt() {
        const QString other = m_program->folder.copySample(QStringLiteral("Other.bwf"));
        CBottlewrightApp& app = start();
        CBottlewrightDoc* working = app.document();
        RecordingPrompt prompt;
        app.setOpenFilePrompt(prompt.function());

        action(CommandId::SetDefaultFilename)->trigger();
        QCOMPARE(prompt.captions, QStringList{"Set Default File Name"});
        QCOMPARE(prompt.initialPaths, QStringList{sample()});
        QVERIFY(!setting("Default File Name/filename").isValid());
        QCOMPARE(app.defaultFileName(), sample());

        prompt.answer = other;
        action(CommandId::SetDefaultFilename)->trigger();
        QCOMPARE(setting("Default File Name/filename").toString(), other);
        QCOMPARE(app.defaultFileName(), other);
        QCOMPARE(app.document(), working);
        QCOMPARE(app.document()->title(), std::string("Sample3.bwf"));

        m_program->app.reset();
        QVERIFY(QFile::remove(sample()));
        QSettings().setValue(QStringLiteral("Default File Name/filename"), QStringLiteral("Other.bwf"));
        start();
        QCOMPARE(m_program->app->defaultFileName(), other);
        QCOMPARE(m_program->app->document()->title(), std::string("Other.bwf"));
    }

    void saveIsGreyedUntilTheFirstChangeAndAFailureSaysWhy() {
        CBottlewrightApp& app = start();
        QAction* save = action(CommandId::Save);
        QVERIFY(!save->isEnabled());
        app.document()->setModified(true);
        QVERIFY(save->isEnabled());
        QVERIFY(frame().isWindowModified());

        save->trigger();
        QVERIFY(!app.document()->isModified());
        QVERIFY(!save->isEnabled());
        QVERIFY(!frame().isWindowModified());

        QVERIFY(QDir(m_program->folder.filePath({})).mkdir(QStringLiteral("gone")));
        const QString path = m_program->folder.copySample(QStringLiteral("gone/Doomed.bwf"));
        QVERIFY(app.openWorkingFile(path));
        QVERIFY(QDir(m_program->folder.filePath(QStringLiteral("gone"))).removeRecursively());

        app.document()->setModified(true);
        MessageBoxCatcher boxes;
        QVERIFY(!app.saveWorkingFile());
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(boxes.lastText().startsWith(QStringLiteral("Cannot save Doomed.bwf:\n")),
                 qPrintable(boxes.lastText()));
        QVERIFY(app.document()->isModified());
        QVERIFY(action(CommandId::Save)->isEnabled());
    }

    void openAndClosingTheLastWindowOfferToSaveFirstAndCancelStops() {
        const QString other = m_program->folder.copySample(QStringLiteral("Other.bwf"));
        CBottlewrightApp& app = start();
        CBottlewrightDoc* working = app.document();
        working->setModified(true);
        RecordingPrompt prompt;
        prompt.answer = other;
        app.setOpenFilePrompt(prompt.function());

        MessageBoxCatcher boxes(QMessageBox::No);
        boxes.queue(QMessageBox::Cancel);
        boxes.queue(QMessageBox::Cancel);
        QVERIFY(!frame().entryListFrame()->close()); // closing the last window asks too
        action(CommandId::Open)->trigger();
        QCOMPARE(boxes.texts(),
                 (QStringList{"Save changes to Sample3.bwf?", "Save changes to Sample3.bwf?"}));
        QVERIFY(prompt.captions.isEmpty());
        QCOMPARE(app.document(), working);
        QVERIFY(working->isModified());
        QCOMPARE(frame().documentWindows().size(), 1);

        action(CommandId::Open)->trigger(); // the changes are discarded
        QCOMPARE(boxes.count(), 3);
        QCOMPARE(prompt.captions, QStringList{"Open"});
        QCOMPARE(app.document()->title(), std::string("Other.bwf"));
        QVERIFY(!app.document()->isModified());
        QCOMPARE(frame().windowTitle(), QStringLiteral("Bottlewright - Other.bwf[*]"));
        QCOMPARE(app.recentFiles().files(), (QStringList{other, sample()}));
        QVERIFY(action(CommandId::RecentFile1 + 1)->isVisible());

        app.document()->setModified(true);
        QVERIFY(frame().entryListFrame()->close());
        QCOMPARE(boxes.lastText(), QStringLiteral("Save changes to Other.bwf?"));
        QTRY_VERIFY(app.document() == nullptr);
        QVERIFY(frame().documentWindows().isEmpty());
        QCOMPARE(menuTitles().size(), 3);

        // A recent file that no longer opens leaves the list.
        QVERIFY(QFile::remove(other));
        action(CommandId::RecentFile1)->trigger();
        QCOMPARE(boxes.count(), 5);
        QVERIFY(boxes.lastText().startsWith(QStringLiteral("Cannot open Other.bwf:\n")));
        QCOMPARE(app.recentFiles().files(), QStringList{sample()});
        QCOMPARE(setting("Recent File List/File1").toString(), sample());
        QVERIFY(!setting("Recent File List/File2").isValid());
        QVERIFY(!action(CommandId::RecentFile1 + 1)->isVisible());
    }

    void newGivesAnUntitledFileThatAsksForItsNameOnSave() {
        CBottlewrightApp& app = start();
        action(CommandId::New)->trigger();
        QVERIFY(app.document() != nullptr);
        QCOMPARE(app.document()->entryCount(), 0);
        QCOMPARE(frame().windowTitle(), QStringLiteral("Bottlewright - Cellar[*]"));
        QCOMPARE(frame().entryListFrame()->windowTitle(), QStringLiteral("Entry List"));

        app.document()->setModified(true);
        RecordingPrompt prompt;
        prompt.answer = m_program->folder.filePath(QStringLiteral("Fresh.bwf"));
        app.setSaveFilePrompt(prompt.function());
        QVERIFY(app.saveWorkingFile());
        QCOMPARE(prompt.captions, QStringList{"Save As"});
        QVERIFY(QFile::exists(prompt.answer));
        QCOMPARE(app.document()->title(), std::string("Fresh.bwf"));
        QCOMPARE(app.recentFiles().files().first(), prompt.answer);
    }

    void aNewlyOpenedFileShowsItsFirstRow() {
        CBottlewrightApp& app = start();
        CEntryListView* pane = frame().entryListFrame()->activePane();
        pane->resize(600, 200);
        QTest::keyClick(pane, Qt::Key_End);
        QVERIFY(pane->sharedState().topRow > 0);
        QVERIFY(app.openWorkingFile(QStringLiteral(BW_TEST_DATA "/cellar/two-entries.bwf")));
        QCOMPARE(frame().entryListFrame()->activePane()->sharedState().topRow, 0);
        QCOMPARE(statusText(), QStringLiteral("2 entries"));
        QVERIFY(app.openWorkingFile(QStringLiteral(BW_TEST_DATA "/cellar/one-blank.bwf")));
        QCOMPARE(statusText(), QStringLiteral("1 entry"));
    }

    void anOrientationOutOfRangeBecomesPortraitOnceApplied() {
        QSettings().setValue(QStringLiteral("Printing/Orientation"), 7);
        QCOMPARE(start().printOrientation(), 1);
        m_program->app.reset();
        QCOMPARE(setting("Printing/Orientation").toInt(), 7);
        QCOMPARE(start().printer().pageLayout().orientation(), QPageLayout::Portrait);
        m_program->app.reset();
        QCOMPARE(setting("Printing/Orientation").toInt(), 1);
    }

    void printSetupReadsTheOrientationBackAndTellsTheViews() {
        CBottlewrightApp& app = start();
        {
            HintRecorder recorder(*app.document());
            ModalDialogCatcher<QPageSetupDialog> catcher([](QPageSetupDialog* dialog) {
                auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("landscape"));
                QVERIFY(landscape != nullptr);
                landscape->click();
                dialog->accept();
            });
            action(CommandId::PrintSetup)->trigger();
            QVERIFY(catcher.seen());
            QCOMPARE(app.printOrientation(), 2);
            QCOMPARE(recorder.hints, QList<int>{HintPrinter});
        }
        m_program->app.reset();
        QCOMPARE(setting("Printing/Orientation").toInt(), 2);
    }

    void theEndWritesTheFieldNamesAndTheSwitches() {
        CBottlewrightApp& app = start();
        action(CommandId::SmartSelect)->trigger();
        action(CommandId::ShowBinWarnings)->trigger();
        QVERIFY(!action(CommandId::SmartSelect)->isChecked());
        QVERIFY(!app.binWarning());
        // The check mark follows the switch wherever it changes (the Bin Warning's suppress box).
        AppSwitches::setBinWarning(true);
        QVERIFY(action(CommandId::ShowBinWarnings)->isChecked());
        action(CommandId::ShowBinWarnings)->trigger();
        QVERIFY(!app.binWarning() && !action(CommandId::ShowBinWarnings)->isChecked());
        app.fieldNames().setName(16, "Glass");
        QVERIFY(!QFile::exists(m_program->folder.filePath(QStringLiteral("LastUsed.fnm"))));
        m_program->app.reset();

        QCOMPARE(setting("SmartSelect/SmartSelect").toInt(), 0);
        QCOMPARE(setting("BinWarning/BinWarning").toInt(), 0);
        QCOMPARE(setting("Printing/Orientation").toInt(), 1);
        QFile names(m_program->folder.filePath(QStringLiteral("LastUsed.fnm")));
        QVERIFY(names.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = names.readAll().split('\n');
        QCOMPARE(lines.size(), 26);
        QCOMPARE(lines[0], QByteArray("Vint\r"));
        QCOMPARE(lines[16], QByteArray("Glass\r"));

        start();
        QCOMPARE(m_program->app->fieldName(16), std::string("Glass"));
        QVERIFY(!m_program->app->smartSelect());
        QVERIFY(!action(CommandId::ShowBinWarnings)->isChecked());
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
