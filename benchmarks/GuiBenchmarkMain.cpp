// The main of every benchmark of the windows: offscreen unless QT_QPA_PLATFORM says otherwise, the heap
// as the program itself starts with, and settings kept somewhere that is not the user's, since windows
// write theirs when they close.
#include "core/app/LargePageHeap.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    relaunchWithLargePageHeap(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QApplication::setOrganizationName(QStringLiteral("Quorvane Software"));
    QApplication::setApplicationName(QStringLiteral("Bottlewright"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
