// Renders the main window with the sample cellar open to a PNG, for the README; with a third
// argument it also renders the About box, the help window and both toolbar sizes into that folder.
// It starts the program offscreen in a temporary start directory with settings of its own, so nothing
// of the user's is read or written.

#include "gui/app/CAboutDialog.h"
#include "gui/app/CBottlewrightApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/common/CommandId.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/ToolbarIcons.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
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

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bw-screenshot SAMPLE.bwf OUTPUT.png [EXTRAS-FOLDER]\n");
        return 2;
    }
    const QString sample = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

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
