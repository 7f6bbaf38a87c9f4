#pragma once

#include "document/CBottlewrightDoc.h"

#include <filesystem>
#include <vector>

#include <QPushButton>

// Adds entries "Producer 0", "Producer 1", ... in document order; entry 1 has red letters.
void fillDocument(CBottlewrightDoc& document, int count);

// Field ids 24 down to 0.
std::vector<int> reversedFieldIds();

// Writes a column arrangement of the given field ids; column i is `width + i * widthStep` wide.
void writeArrangement(const std::filesystem::path& path, const std::vector<int>& ids, int width,
                      int widthStep = 0);

// The push button of that object name; fails the test through a null pointer when missing.
QPushButton* pushButton(const QWidget& parent, const char* name);
