#include "core/editing/EntryBoxNavigation.h"

namespace EntryBoxNavigation {

const char* caption(Mode mode) {
    switch (mode) {
    case Mode::Add:
        return "Add Entry";
    case Mode::Copy:
        return "THIS IS A COPY";
    case Mode::View:
        break;
    }
    return "View/Delete/Modify";
}

Move next(Step step, int selected, int count, bool stillThere) {
    using Action = Move::Action;
    if (count == 0 && step != Step::Add)
        return {};
    switch (step) {
    case Step::Next:
        return {Action::Show, selected + 1 >= count ? 0 : selected + 1, Mode::View};
    case Step::Previous:
        return {Action::Show, selected - 1 < 0 ? count - 1 : selected - 1, Mode::View};
    case Step::Add:
        return {Action::AddNew, -1, Mode::Add};
    case Step::Copy:
        // A null entry removed by the store leaves nothing to copy; show what took its place.
        if (!stillThere)
            return {Action::Show, selected >= count ? 0 : selected, Mode::View};
        return {Action::CopySelected, selected, Mode::Copy};
    case Step::AfterDelete:
        return {Action::Show, selected >= count ? 0 : selected, Mode::View};
    }
    return {};
}

} // namespace EntryBoxNavigation
