#pragma once

#include <filesystem>
#include <string>

class CCompletingCombo;

// Fills a dropdown from its list file in the start directory: ratings highest first, bins in bin
// order, every other list as the combo box orders it. A missing file adds nothing.
void loadDropdownList(CCompletingCombo& combo, const std::filesystem::path& startDirectory,
                      const std::string& fileName);
