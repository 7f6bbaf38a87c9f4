#pragma once

// The commands a view runs itself (Select Font, printing): the main frame sends a command to the
// active view when the view takes it.
class CViewCommands {
public:
    virtual ~CViewCommands() = default;

    virtual bool hasCommand(int commandId) const = 0;
    virtual void runCommand(int commandId) = 0;
};
