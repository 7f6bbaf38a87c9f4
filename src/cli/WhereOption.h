#pragma once

#include "core/document/FocusCriteria.h"

#include <string>

// The criteria of "--where KEY=VALUE": the keys name the conditions of the "Focus Criteria" sheet.
namespace WhereOption {

// Every key, for the usage text.
extern const char* const kKeysHelp;

// Sets the condition that KEY names to VALUE (UTF-8, taken as the sheet would take it typed).
// Returns an empty string, or what is wrong with the option.
std::string apply(const std::string& keyValue, FocusCriteria& criteria);

} // namespace WhereOption
