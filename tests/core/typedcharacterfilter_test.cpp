#include "core/editing/DateEditRules.h"
#include "core/editing/DecimalEditRules.h"
#include "core/editing/IntEditRules.h"
#include "core/editing/TypedCharacterFilter.h"

#include <gtest/gtest.h>
#include <string>

TEST(TypedCharacterFilter, AcceptsItsOwnCharactersAndBackspaceOnly) {
    const std::string typed = "5/1/95 a.-\b\x03\x16\x18";
    std::string date;
    std::string decimal;
    for (char c : typed) {
        if (acceptsTypedCharacter(DateEditRules::kAcceptedCharacters, c))
            date += c;
        if (acceptsTypedCharacter(DecimalEditRules::kAcceptedCharacters, c))
            decimal += c;
    }
    EXPECT_EQ(date, "5195-\b");
    EXPECT_EQ(decimal, "5195.\b");
    EXPECT_EQ(IntEditRules::kAcceptedCharacters, DateEditRules::kAcceptedCharacters);
    EXPECT_FALSE(acceptsTypedCharacter(DateEditRules::kAcceptedCharacters, '\0'));
}
