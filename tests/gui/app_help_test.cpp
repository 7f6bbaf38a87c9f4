#include "gui/app/CAboutDialog.h"
#include "gui/app/CBottlewrightApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/common/CommandId.h"
#include "gui/common/HelpWindow.h"
#include "helpers/IsolatedSettings.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestStartDirectory.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {

QToolButton* navigationButton(const HelpWindow& window, const QString& text) {
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class AppHelpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { HelpWindow::destroyInstance(); }

    void contextsNameTheirPagesAndEveryLinkLeadsToAShippedPage() {
        const std::pair<int, const char*> contextPages[] = {{HelpWindow::kContents, "contents.html"},
                                                            {HelpWindow::kTopicFinder, "index.html"},
                                                            {122, "sort-precedence.html"},
                                                            {32876, "graphs.html"},
                                                            {424242, "contents.html"}};
        for (const auto& [context, page] : contextPages)
            QCOMPARE(HelpWindow::pageOfContext(context).fileName(), QString::fromLatin1(page));

        QFile contexts(QStringLiteral(":/help/contexts.txt"));
        QVERIFY(contexts.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines =
            QString::fromUtf8(contexts.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 2);
        for (const QString& line : lines) {
            const QString page = line.section(QLatin1Char(' '), 1).section(QLatin1Char('#'), 0, 0);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + page), qPrintable(line));
        }

        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.contains(QStringLiteral("contents.html")));
        for (const QString& page : pages) {
            QFile file(QStringLiteral(":/help/") + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
                QVERIFY2(pages.contains(match.captured(1)),
                         qPrintable(QStringLiteral("%1 links to %2").arg(page, match.captured(1))));
            }
        }
    }

    void oneHelpWindowFollowsTheContextsAndGoesBack() {
        showHelpContext(HelpWindow::kContents);
        HelpWindow* window = HelpWindow::instance();
        QVERIFY(window != nullptr);
        QCOMPARE(window->currentPage().fileName(), QStringLiteral("contents.html"));
        QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("Sort Precedence")));
        QToolButton* back = navigationButton(*window, QStringLiteral("&Back"));
        QVERIFY(back != nullptr);
        QVERIFY(!back->isEnabled());

        showHelpContext(122);
        QCOMPARE(HelpWindow::instance(), window);
        QCOMPARE(window->currentPage().fileName(), QStringLiteral("sort-precedence.html"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Bottlewright Help - Sort Precedence"));
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(window->currentPage().fileName(), QStringLiteral("contents.html"));

        navigationButton(*window, QStringLiteral("&Index"))->click();
        QCOMPARE(window->currentPage().fileName(), QStringLiteral("index.html"));
    }

    void theHelpMenuOpensContentsIndexAndTheAboutBox() {
        IsolatedSettings settings;
        TestStartDirectory folder;
        CBottlewrightApp app(folder.path(), CBottlewrightApp::Show::Hidden);
        app.mainFrame().action(CommandId::HelpIndex)->trigger();
        QVERIFY(HelpWindow::instance() != nullptr);
        QCOMPARE(HelpWindow::instance()->currentPage().fileName(), QStringLiteral("index.html"));
        app.mainFrame().action(CommandId::HelpContents)->trigger();
        QCOMPARE(HelpWindow::instance()->currentPage().fileName(), QStringLiteral("contents.html"));

        QStringList texts;
        QString caption;
        ModalDialogCatcher<CAboutDialog> catcher([&](CAboutDialog* about) {
            caption = about->windowTitle();
            for (const QLabel* label : about->findChildren<QLabel*>())
                texts << label->text();
            about->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        app.mainFrame().action(CommandId::About)->trigger();
        QVERIFY(catcher.seen());
        QCOMPARE(caption, QStringLiteral("About Bottlewright"));
        QVERIFY(texts.contains(QStringLiteral("Bottlewright")));
        QVERIFY(texts.contains(QStringLiteral("Version 3.59")));
    }
};

QTEST_MAIN(AppHelpTest)
#include "app_help_test.moc"
