#pragma once

#include <string>

// Text fields named on the command line by their JSON keys ("producer", "wineType", "user1"...).
namespace FieldOption {

// The field index of a text field's key, or -1.
int fieldIndex(const std::string& key);

} // namespace FieldOption
