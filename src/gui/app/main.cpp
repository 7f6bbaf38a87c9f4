#include "core/app/LargePageHeap.h"
#include "gui/app/CBottlewrightApp.h"

#include <filesystem>

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv) {
    relaunchWithLargePageHeap(argv);
    QApplication application(argc, argv);
    // Lets the desktop find the installed entry and icon for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Bottlewright"));
    // A Cellar File named on the command line (a double-clicked ".bwf") opens instead of the default one.
    const QStringList arguments = QCoreApplication::arguments();
    const QString file = arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();
    CBottlewrightApp bottlewright(std::filesystem::current_path(), CBottlewrightApp::Show::Maximized, file);
    return QApplication::exec();
}
