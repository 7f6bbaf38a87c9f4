#include "core/editing/EntryBoxNavigation.h"

#include <gtest/gtest.h>

namespace {

using EntryBoxNavigation::Mode;
using EntryBoxNavigation::Step;
using Action = EntryBoxNavigation::Move::Action;

TEST(EntryBoxNavigation, StepsWrapAroundTheFocusSetAndSayWhatTheBoxShowsNext) {
    const struct {
        Step step;
        int selected, count;
        bool stillThere;
        Action action;
        int position;
        Mode mode;
    } cases[] = {
        {Step::Next, 1, 3, true, Action::Show, 2, Mode::View},
        {Step::Next, 2, 3, true, Action::Show, 0, Mode::View},
        {Step::Previous, 1, 3, true, Action::Show, 0, Mode::View},
        {Step::Previous, 0, 3, true, Action::Show, 2, Mode::View},
        {Step::Add, 1, 3, true, Action::AddNew, -1, Mode::Add},
        {Step::Add, 0, 0, false, Action::AddNew, -1, Mode::Add},
        {Step::Copy, 1, 3, true, Action::CopySelected, 1, Mode::Copy},
        // A null entry removed by the store leaves nothing to copy: what took its place shows.
        {Step::Copy, 1, 2, false, Action::Show, 1, Mode::View},
        {Step::Copy, 2, 2, false, Action::Show, 0, Mode::View},
        {Step::AfterDelete, 2, 2, true, Action::Show, 0, Mode::View},
        {Step::AfterDelete, 1, 2, true, Action::Show, 1, Mode::View},
        // The store removed the last entry: nothing is left to show.
        {Step::Next, 0, 0, false, Action::Close, -1, Mode::View},
        {Step::AfterDelete, 0, 0, true, Action::Close, -1, Mode::View},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "step " << static_cast<int>(c.step) << " from " << c.selected << " of " << c.count);
        const auto move = EntryBoxNavigation::next(c.step, c.selected, c.count, c.stillThere);
        EXPECT_EQ(move.action, c.action);
        EXPECT_EQ(move.position, c.position);
        EXPECT_EQ(move.mode, c.mode);
    }
    EXPECT_STREQ(EntryBoxNavigation::caption(Mode::View), "View/Delete/Modify");
    EXPECT_STREQ(EntryBoxNavigation::caption(Mode::Add), "Add Entry");
    EXPECT_STREQ(EntryBoxNavigation::caption(Mode::Copy), "THIS IS A COPY");
}

} // namespace
