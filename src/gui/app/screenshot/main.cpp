// Renders the main window with the sample cellar open to a PNG, for the README; with a third
// argument it also renders the About box, the help window and both toolbar sizes into that folder.
// With --graphs first it renders the producer, cost and spending graphs in both orientations instead.
// It starts the program offscreen in a temporary start directory with settings of its own, so nothing
// of the user's is read or written.

#include "core/model/Today.h"
#include "core/views/graphs/GraphKind.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CBottlewrightApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/common/CommandId.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/ToolbarIcons.h"
#include "gui/views/ViewKind.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool save(QWidget& widget, const QString& path) {
    settle();
    if (widget.grab().save(path))
        return true;
    std::fprintf(stderr, "bw-screenshot: cannot write %s\n", qPrintable(path));
    return false;
}

// Every toolbar glyph in both sizes, enabled, side by side.
QImage glyphSheet(QToolBar& toolBar) {
    QImage sheet(24 * 30, 60, QImage::Format_ARGB32);
    sheet.fill(toolBar.palette().color(QPalette::Window));
    QPainter painter(&sheet);
    int x = 4;
    for (const QAction* action : toolBar.actions()) {
        if (action->isSeparator())
            continue;
        const int id = action->data().toInt();
        painter.drawPixmap(x, 6, ToolbarIcons::pixmap(id, ToolbarIcons::kSmall));
        painter.drawPixmap(x, 30, ToolbarIcons::pixmap(id, ToolbarIcons::kLarge));
        x += 30;
    }
    return sheet;
}

// The three graphs of the README, each horizontal and vertical, as docs/graph-KIND-ORIENTATION.png.
bool saveGraphs(CBottlewrightApp& app, const QDir& folder) {
    CMainFrame& frame = app.mainFrame();
    const std::pair<ViewKind, GraphKind> graphs[] = {{ViewKind::ProducerGraph, GraphKind::Producer},
                                                     {ViewKind::CostGraph, GraphKind::Cost},
                                                     {ViewKind::SpendingGraph, GraphKind::Spending}};
    bool ok = true;
    for (const bool vertical : {false, true}) {
        for (const auto& [view, graph] : graphs) {
            const GraphKindInfo& info = graphKindInfo(graph);
            QSettings().setValue(QStringLiteral("%1/Vertical").arg(QString::fromLatin1(info.className)),
                                 vertical ? 1 : 0);
            QMdiSubWindow* window = frame.showWindowOfKind(view);
            ok &= save(*window, folder.filePath(QStringLiteral("graph-%1-%2.png")
                                                    .arg(QString::fromLatin1(info.cliName),
                                                         vertical ? QStringLiteral("vertical")
                                                                  : QStringLiteral("horizontal"))));
            delete window;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool graphs = argc == 4 && qstrcmp(argv[1], "--graphs") == 0;
    if (argc < 3) {
        std::fprintf(stderr, "usage: bw-screenshot SAMPLE.bwf OUTPUT.png [EXTRAS-FOLDER]\n"
                             "       bw-screenshot --graphs SAMPLE.bwf FOLDER\n");
        return 2;
    }
    const QString sample = QString::fromLocal8Bit(argv[graphs ? 2 : 1]);
    const QString output = QString::fromLocal8Bit(argv[graphs ? 3 : 2]);

    QTemporaryDir startDirectory;
    QTemporaryDir settings;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (!QFile::copy(sample, startDirectory.filePath(QStringLiteral("Sample3.bwf")))) {
        std::fprintf(stderr, "bw-screenshot: cannot read %s\n", qPrintable(sample));
        return 1;
    }

    CBottlewrightApp app(startDirectory.path().toStdString(), CBottlewrightApp::Show::Hidden);
    CMainFrame& frame = app.mainFrame();
    frame.resize(1280, 800);
    frame.show();
    if (graphs) {
        // the sample's purchases end in 2021
        setTodayOverride(CalendarDate{2021, 12, 15});
        frame.resize(900, 640);
        return saveGraphs(app, QDir(output)) ? 0 : 1;
    }
    if (!save(frame, output))
        return 1;
    if (argc < 4)
        return 0;

    const QDir extras(QString::fromLocal8Bit(argv[3]));
    bool ok = true;
    CAboutDialog about(&frame);
    about.show();
    ok &= save(about, extras.filePath(QStringLiteral("about.png")));
    about.hide();

    showHelpContext(HelpWindow::kContents);
    ok &= save(*HelpWindow::instance(), extras.filePath(QStringLiteral("help.png")));
    showHelpContext(122);
    ok &= save(*HelpWindow::instance(), extras.filePath(QStringLiteral("help-context.png")));

    ok &= save(*frame.toolBar(), extras.filePath(QStringLiteral("toolbar-small.png")));
    frame.setLargeButtons(true);
    ok &= save(*frame.toolBar(), extras.filePath(QStringLiteral("toolbar-large.png")));
    frame.setLargeButtons(false);
    frame.showWindowOfKind(ViewKind::HistoryList);
    frame.showWindowOfKind(ViewKind::ProducerGraph);
    frame.action(CommandId::WindowTileVertical)->trigger();
    ok &= save(frame, extras.filePath(QStringLiteral("windows.png")));

    ok &= glyphSheet(*frame.toolBar()).save(extras.filePath(QStringLiteral("glyphs.png")));
    return ok ? 0 : 1;
}
