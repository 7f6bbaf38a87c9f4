#pragma once

#include "core/views/entrylist/PrintStyle.h"

// The print style kept in the settings section "Printing".
namespace PrintStyleSettings {

PrintStyle read();
void write(const PrintStyle& style);

} // namespace PrintStyleSettings
