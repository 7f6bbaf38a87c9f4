#pragma once

#include "IsolatedSettings.h"
#include "TestStartDirectory.h"
#include "gui/app/CBottlewrightApp.h"
#include "gui/app/CMainFrame.h"

#include <memory>

#include <QAction>

// The program started hidden in a start directory of its own (with the sample cellar unless asked to
// stay empty) and with a settings store of its own. start() ends a running program and starts anew.
class TestApp {
public:
    explicit TestApp(TestStartDirectory::Contents contents = TestStartDirectory::WithSample)
        : folder(contents) {}

    CBottlewrightApp& start() {
        app.reset();
        app = std::make_unique<CBottlewrightApp>(folder.path(), CBottlewrightApp::Show::Hidden);
        return *app;
    }
    CMainFrame& frame() const { return app->mainFrame(); }
    QAction* action(int commandId) const { return frame().action(commandId); }

    IsolatedSettings settings;
    TestStartDirectory folder;
    std::unique_ptr<CBottlewrightApp> app;
};
