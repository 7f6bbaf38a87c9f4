#pragma once

#include "core/document/CBottlewrightDoc.h"

#include <string>
#include <vector>

// What the data exchange subcommands share.
namespace ExchangeSupport {

// Prints the program's own message for the user, ending it with one line break; returns the status.
[[nodiscard]] int printMessage(const std::string& message);

// Saves entries as a new Cellar File and prints message; nothing is written on failure.
[[nodiscard]] int saveAndReport(const std::string& out, const WineList& entries, const std::string& message);

} // namespace ExchangeSupport
