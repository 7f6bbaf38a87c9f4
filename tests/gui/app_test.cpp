#include "app/CBottlewrightApp.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CommandId.h"
#include "document/CBottlewrightDoc.h"
#include "helpers/IsolatedSettings.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestStartDirectory.h"

#include <fstream>
#include <memory>
#include <optional>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
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

QStringList menuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QMenu* menu : frame.menus())
        titles << menu->title();
    return titles;
}

QString statusText(const CMainFrame& frame) {
    const auto* label = frame.statusBar()->findChild<QLabel*>();
    return label != nullptr ? label->text() : QString();
}

// Records every update hint a document sends.
class HintRecorder : public CDocObserver {
public:
    explicit HintRecorder(CBottlewrightDoc& document) : m_document(document) { m_document.addObserver(this); }
    ~HintRecorder() override { m_document.removeObserver(this); }
    void onUpdate(CDocObserver*, int hint) override { hints.append(hint); }
    QList<int> hints;

private:
    CBottlewrightDoc& m_document;
};

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
    std::optional<IsolatedSettings> m_settings;

    std::unique_ptr<CBottlewrightApp> start(const TestStartDirectory& folder) {
        return std::make_unique<CBottlewrightApp>(folder.path(), CBottlewrightApp::Show::Hidden);
    }

private Q_SLOTS:
    void init() { m_settings.emplace(); }

    void firstRunUsesDefaultsAndOpensTheSample() {
        TestStartDirectory folder;
        MessageBoxCatcher boxes;
        auto app = start(folder);

        QCOMPARE(boxes.count(), 0);
        QCOMPARE(app->backupLocation(), QStringLiteral("A:\\"));
        QVERIFY(app->smartSelect());
        QVERIFY(app->binWarning());
        QCOMPARE(app->printOrientation(), 1);
        QCOMPARE(app->defaultFileName(), folder.filePath(QStringLiteral("Sample3.bwf")));
        QCOMPARE(app->fieldName(0), std::string("Vint"));
        QCOMPARE(app->fieldName(24), std::string("Drk"));
        QVERIFY(app->mainFrame().action(CommandId::SmartSelect)->isChecked());
        QVERIFY(app->mainFrame().action(CommandId::ShowBinWarnings)->isChecked());

        QVERIFY(app->document() != nullptr);
        QVERIFY(app->document()->entryCount() > 0);
        QCOMPARE(app->document()->focusCount(), app->document()->entryCount());
    }

    void openingTheSampleShowsTheEntryListAndTheFullMenu() {
        TestStartDirectory folder;
        auto app = start(folder);
        CMainFrame& frame = app->mainFrame();

        const QList<QMdiSubWindow*> windows = frame.documentWindows();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first()->windowTitle(), QStringLiteral("Entry List"));
        QVERIFY(windows.first()->isMaximized());
        QCOMPARE(frame.entryListFrame(), windows.first());
        QCOMPARE(menuTitles(frame), (QStringList{"&File", "&View", "&Graphs", "Focus &Set", "Entry &List",
                                                 "&Options", "&Misc", "&Window", "&Help"}));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Bottlewright - Sample3.bwf[*]"));
        QVERIFY(!frame.isWindowModified());
        QCOMPARE(statusText(frame), QStringLiteral("%1 entries").arg(app->document()->entryCount()));
        QCOMPARE(app->recentFiles().files(), QStringList{folder.filePath(QStringLiteral("Sample3.bwf"))});
    }

    void aMissingDefaultFileIsReportedAndLeavesTheShortMenu() {
        TestStartDirectory folder(TestStartDirectory::Empty);
        MessageBoxCatcher boxes;
        auto app = start(folder);

        QCOMPARE(boxes.count(), 1);
        QVERIFY2(boxes.lastText().startsWith(QStringLiteral("Cannot open Sample3.bwf:\n")),
                 qPrintable(boxes.lastText()));
        QCOMPARE(boxes.lastText().count(QLatin1Char('\n')), 1);
        QVERIFY(app->document() == nullptr);
        QCOMPARE(menuTitles(app->mainFrame()), (QStringList{"&File", "&View", "&Help"}));
        QCOMPARE(app->mainFrame().windowTitle(), QStringLiteral("Bottlewright"));
        QCOMPARE(statusText(app->mainFrame()), QStringLiteral("Ready"));
        QVERIFY(app->mainFrame().documentWindows().isEmpty());
        QVERIFY(!app->mainFrame().action(CommandId::Save)->isEnabled());
        QVERIFY(!app->mainFrame().action(CommandId::NextGraph)->isEnabled());
    }

    void anUnreadableDefaultFileIsReportedAndNothingOpens() {
        TestStartDirectory folder(TestStartDirectory::Empty);
        std::ofstream(folder.path() / "Sample3.bwf", std::ios::binary) << "not a cellar";
        MessageBoxCatcher boxes;
        auto app = start(folder);

        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.lastText().startsWith(QStringLiteral("Cannot open Sample3.bwf:\n")));
        QVERIFY(app->document() == nullptr);
    }

    void theDefaultFileSettingNamesTheFileOpenedAtStartUp() {
        TestStartDirectory folder(TestStartDirectory::Empty);
        const QString other = folder.copySample(QStringLiteral("Other.bwf"));
        QSettings().setValue(QStringLiteral("Default File Name/filename"), QStringLiteral("Other.bwf"));
        auto app = start(folder);

        QVERIFY(app->document() != nullptr);
        QCOMPARE(app->defaultFileName(), other);
        QCOMPARE(app->document()->title(), std::string("Other.bwf"));
    }

    void setDefaultFilenameWritesAtOnceAndOpensNothing() {
        TestStartDirectory folder;
        const QString other = folder.copySample(QStringLiteral("Other.bwf"));
        auto app = start(folder);
        CBottlewrightDoc* working = app->document();
        RecordingPrompt prompt;
        app->setOpenFilePrompt(prompt.function());

        prompt.answer = QString();
        app->mainFrame().action(CommandId::SetDefaultFilename)->trigger();
        QCOMPARE(prompt.captions, QStringList{"Set Default File Name"});
        QCOMPARE(prompt.initialPaths, QStringList{folder.filePath(QStringLiteral("Sample3.bwf"))});
        QVERIFY(!setting("Default File Name/filename").isValid());
        QCOMPARE(app->defaultFileName(), folder.filePath(QStringLiteral("Sample3.bwf")));

        prompt.answer = other;
        app->mainFrame().action(CommandId::SetDefaultFilename)->trigger();
        QCOMPARE(setting("Default File Name/filename").toString(), other);
        QCOMPARE(app->defaultFileName(), other);
        QCOMPARE(app->document(), working);
        QCOMPARE(app->document()->title(), std::string("Sample3.bwf"));
    }

    void saveIsGreyedUntilTheFirstChange() {
        TestStartDirectory folder;
        auto app = start(folder);
        QAction* save = app->mainFrame().action(CommandId::Save);
        QVERIFY(!save->isEnabled());

        app->document()->setModified(true);
        app->document()->updateAllViews(nullptr, HintFocusSet);
        QVERIFY(save->isEnabled());
        QVERIFY(app->mainFrame().isWindowModified());

        save->trigger();
        QVERIFY(!app->document()->isModified());
        QVERIFY(!save->isEnabled());
        QVERIFY(!app->mainFrame().isWindowModified());
    }

    void aFailedSaveSaysWhyAndKeepsTheFileModified() {
        TestStartDirectory folder;
        QVERIFY(QDir(folder.filePath({})).mkdir(QStringLiteral("gone")));
        const QString path = folder.copySample(QStringLiteral("gone/Doomed.bwf"));
        auto app = start(folder);
        QVERIFY(app->openWorkingFile(path));
        QVERIFY(QDir(folder.filePath(QStringLiteral("gone"))).removeRecursively());

        app->document()->setModified(true);
        MessageBoxCatcher boxes;
        QVERIFY(!app->saveWorkingFile());
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(boxes.lastText().startsWith(QStringLiteral("Cannot save Doomed.bwf:\n")),
                 qPrintable(boxes.lastText()));
        QVERIFY(app->document()->isModified());
        QVERIFY(app->mainFrame().action(CommandId::Save)->isEnabled());
    }

    void cancellingTheOfferToSaveBeforeOpenShowsNoFileDialog() {
        TestStartDirectory folder;
        auto app = start(folder);
        CBottlewrightDoc* working = app->document();
        working->setModified(true);
        RecordingPrompt prompt;
        app->setOpenFilePrompt(prompt.function());

        MessageBoxCatcher boxes(QMessageBox::Cancel);
        app->mainFrame().action(CommandId::Open)->trigger();

        QCOMPARE(boxes.texts(), QStringList{"Save changes to Sample3.bwf?"});
        QVERIFY(prompt.captions.isEmpty());
        QCOMPARE(app->document(), working);
        QVERIFY(working->isModified());
        QCOMPARE(app->mainFrame().documentWindows().size(), 1);
    }

    void openAfterDiscardingChangesReplacesTheWorkingFile() {
        TestStartDirectory folder;
        const QString other = folder.copySample(QStringLiteral("Other.bwf"));
        auto app = start(folder);
        app->document()->setModified(true);
        RecordingPrompt prompt;
        prompt.answer = other;
        app->setOpenFilePrompt(prompt.function());

        MessageBoxCatcher boxes(QMessageBox::No);
        app->mainFrame().action(CommandId::Open)->trigger();

        QCOMPARE(boxes.count(), 1);
        QCOMPARE(prompt.captions, QStringList{"Open"});
        QCOMPARE(app->document()->title(), std::string("Other.bwf"));
        QVERIFY(!app->document()->isModified());
        QCOMPARE(app->mainFrame().windowTitle(), QStringLiteral("Bottlewright - Other.bwf[*]"));
        QCOMPARE(app->recentFiles().files(),
                 (QStringList{other, folder.filePath(QStringLiteral("Sample3.bwf"))}));
    }

    void newGivesAnEmptyUntitledWorkingFile() {
        TestStartDirectory folder;
        auto app = start(folder);
        app->mainFrame().action(CommandId::New)->trigger();

        QVERIFY(app->document() != nullptr);
        QCOMPARE(app->document()->entryCount(), 0);
        QCOMPARE(app->mainFrame().windowTitle(), QStringLiteral("Bottlewright - Cellar[*]"));
        QCOMPARE(app->mainFrame().entryListFrame()->windowTitle(), QStringLiteral("Entry List"));
    }

    void savingAnUntitledFileAsksForItsName() {
        TestStartDirectory folder;
        auto app = start(folder);
        app->newFile();
        app->document()->setModified(true);
        RecordingPrompt prompt;
        prompt.answer = folder.filePath(QStringLiteral("Fresh.bwf"));
        app->setSaveFilePrompt(prompt.function());

        QVERIFY(app->saveWorkingFile());
        QCOMPARE(prompt.captions, QStringList{"Save As"});
        QVERIFY(QFile::exists(prompt.answer));
        QCOMPARE(app->document()->title(), std::string("Fresh.bwf"));
        QCOMPARE(app->recentFiles().files().first(), prompt.answer);
    }

    void closeReturnsToTheShortMenu() {
        TestStartDirectory folder;
        auto app = start(folder);
        app->mainFrame().action(CommandId::Close)->trigger();

        QVERIFY(app->document() == nullptr);
        QVERIFY(app->mainFrame().documentWindows().isEmpty());
        QCOMPARE(menuTitles(app->mainFrame()).size(), 3);
    }

    void closingTheLastWindowOffersToSave() {
        TestStartDirectory folder;
        auto app = start(folder);
        app->document()->setModified(true);
        QMdiSubWindow* entryList = app->mainFrame().entryListFrame();

        MessageBoxCatcher boxes(QMessageBox::Cancel);
        QVERIFY(!entryList->close());
        QCOMPARE(boxes.texts(), QStringList{"Save changes to Sample3.bwf?"});
        QVERIFY(app->document() != nullptr);
        QCOMPARE(app->mainFrame().documentWindows().size(), 1);

        boxes.setDefaultAnswer(QMessageBox::No);
        QVERIFY(entryList->close());
        QTRY_VERIFY(app->document() == nullptr);
        QCOMPARE(menuTitles(app->mainFrame()).size(), 3);
    }

    void aRecentFileThatNoLongerOpensLeavesTheList() {
        TestStartDirectory folder;
        const QString other = folder.copySample(QStringLiteral("Other.bwf"));
        auto app = start(folder);
        QVERIFY(app->openWorkingFile(other));
        QCOMPARE(app->recentFiles().files().first(), other);
        QVERIFY(app->mainFrame().action(CommandId::RecentFile1)->isVisible());
        QVERIFY(QFile::remove(other));

        MessageBoxCatcher boxes;
        app->mainFrame().action(CommandId::RecentFile1)->trigger();
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.lastText().startsWith(QStringLiteral("Cannot open Other.bwf:\n")));
        QCOMPARE(app->recentFiles().files(), QStringList{folder.filePath(QStringLiteral("Sample3.bwf"))});
        QCOMPARE(setting("Recent File List/File1").toString(),
                 folder.filePath(QStringLiteral("Sample3.bwf")));
        QVERIFY(!setting("Recent File List/File2").isValid());
        QVERIFY(!app->mainFrame().action(CommandId::RecentFile1 + 1)->isVisible());
    }

    void anOrientationOutOfRangeBecomesPortraitOnceApplied() {
        TestStartDirectory folder;
        QSettings().setValue(QStringLiteral("Printing/Orientation"), 7);
        {
            auto app = start(folder);
            QCOMPARE(app->printOrientation(), 1);
        }
        QCOMPARE(setting("Printing/Orientation").toInt(), 7);
        {
            auto app = start(folder);
            QCOMPARE(app->printer().pageLayout().orientation(), QPageLayout::Portrait);
        }
        QCOMPARE(setting("Printing/Orientation").toInt(), 1);
    }

    void printSetupReadsTheOrientationBackAndTellsTheViews() {
        TestStartDirectory folder;
        auto app = start(folder);
        {
            HintRecorder recorder(*app->document());
            ModalDialogCatcher<QPageSetupDialog> catcher([](QPageSetupDialog* dialog) {
                auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("landscape"));
                QVERIFY(landscape != nullptr);
                landscape->click();
                dialog->accept();
            });

            app->mainFrame().action(CommandId::PrintSetup)->trigger();
            QVERIFY(catcher.seen());
            QCOMPARE(app->printOrientation(), 2);
            QCOMPARE(recorder.hints, QList<int>{HintPrinter});
        }
        app.reset();
        QCOMPARE(setting("Printing/Orientation").toInt(), 2);
    }

    void theEndWritesTheFieldNamesAndTheSwitches() {
        TestStartDirectory folder;
        {
            auto app = start(folder);
            app->mainFrame().action(CommandId::SmartSelect)->trigger();
            app->mainFrame().action(CommandId::ShowBinWarnings)->trigger();
            QVERIFY(!app->mainFrame().action(CommandId::SmartSelect)->isChecked());
            QVERIFY(!app->binWarning());
            app->fieldNames().setName(16, "Glass");
            QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("LastUsed.fnm"))));
        }
        QCOMPARE(setting("SmartSelect/SmartSelect").toInt(), 0);
        QCOMPARE(setting("BinWarning/BinWarning").toInt(), 0);
        QCOMPARE(setting("Printing/Orientation").toInt(), 1);
        QFile names(folder.filePath(QStringLiteral("LastUsed.fnm")));
        QVERIFY(names.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = names.readAll().split('\n');
        QCOMPARE(lines.size(), 26);
        QCOMPARE(lines[0], QByteArray("Vint\r"));
        QCOMPARE(lines[16], QByteArray("Glass\r"));

        auto app = start(folder);
        QCOMPARE(app->fieldName(16), std::string("Glass"));
        QVERIFY(!app->smartSelect());
        QVERIFY(!app->mainFrame().action(CommandId::ShowBinWarnings)->isChecked());
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"
