#include "gui/app/CBottlewrightApp.h"

#include <filesystem>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CBottlewrightApp bottlewright(std::filesystem::current_path());
    return QApplication::exec();
}
