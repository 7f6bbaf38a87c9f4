#pragma once

#include <cstddef>
#include <gtest/gtest.h>
#include <string>

// One step of an edit control's arrow keys. Modifiers: C is Ctrl, S is Shift; Ctrl wins over Shift.
struct StepCase {
    const char* text;
    int delta;
    const char* modifiers;
    const char* expected;
};

template <typename Step, std::size_t N> void expectSteps(Step step, const StepCase (&cases)[N]) {
    for (const StepCase& c : cases) {
        const std::string modifiers = c.modifiers;
        EXPECT_EQ(step(c.text, c.delta, modifiers.find('C') != std::string::npos,
                       modifiers.find('S') != std::string::npos),
                  c.expected)
            << c.text << " delta " << c.delta << " " << c.modifiers;
    }
}
