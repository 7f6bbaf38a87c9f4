#include "core/editing/TypedCharacterFilter.h"

bool acceptsTypedCharacter(std::string_view accepted, char typed) {
    return typed == '\b' || (typed != '\0' && accepted.find(typed) != std::string_view::npos);
}
