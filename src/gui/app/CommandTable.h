#pragma once

// The texts of one menu or toolbar command.
struct CommandInfo {
    int id;
    const char* text;    // menu text; a tab separates the accelerator shown and bound to it
    const char* prompt;  // the status bar prompt while the item is highlighted
    const char* toolTip; // toolbar commands only
};

// Every command of the menus, or nullptr for an unknown identifier.
const CommandInfo* findCommand(int id);
