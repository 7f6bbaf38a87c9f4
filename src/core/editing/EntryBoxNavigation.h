#pragma once

// Where the Entry Box goes when its buttons step from entry to entry.
namespace EntryBoxNavigation {

// What the box shows; its caption names it.
enum class Mode { View, Add, Copy };
// "View/Delete/Modify", "Add Entry" or "THIS IS A COPY".
const char* caption(Mode mode);

// The buttons "&>>", "&Add", "&Copy" and "&<<", and the step that follows "&Delete".
enum class Step { Next, Add, Copy, AfterDelete, Previous };

struct Move {
    enum class Action {
        Close,        // nothing is left to show
        Show,         // show the entry at position
        AddNew,       // add a new entry and show it
        CopySelected, // copy the selected entry and show the copy
    };
    Action action = Action::Close;
    int position = -1;
    Mode mode = Mode::View;
};

// The move after the box was stored into the selected entry (no store follows a delete). count is the
// Focus Set's size now; stillThere is false when the store removed the entry as empty. Next and
// Previous wrap around the Focus Set.
Move next(Step step, int selected, int count, bool stillThere);

} // namespace EntryBoxNavigation
