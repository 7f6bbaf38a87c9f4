#pragma once

#include <string_view>

// The characters a filtering edit lets the user type: its own set plus Backspace. Everything else
// typed (letters, punctuation, the control characters of Ctrl+letter) is dropped without a sound.
bool acceptsTypedCharacter(std::string_view accepted, char typed);
