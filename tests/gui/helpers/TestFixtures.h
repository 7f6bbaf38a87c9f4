#pragma once

#include "IsolatedSettings.h"
#include "TestStartDirectory.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/setup/FieldNames.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <filesystem>
#include <memory>
#include <vector>

#include <QPushButton>

// A settings store of its own and an empty document kept in an empty start directory, with default
// field names.
struct EmptyCellar {
    IsolatedSettings settings;
    TestStartDirectory start{TestStartDirectory::Empty};
    CBottlewrightDoc document{start.path()};
    FieldNames names;
    EntryListSharedState shared;
};

// Shows an Entry List pane on the cellar's document after adding `entries` entries as fillDocument does.
std::unique_ptr<CEntryListView> showEntryList(EmptyCellar& cellar, int entries, QSize size = QSize(700, 300));

// Adds entries "Producer 0", "Producer 1", ... in document order; entry 1 has red letters.
void fillDocument(CBottlewrightDoc& document, int count);

// Field ids 24 down to 0.
std::vector<int> reversedFieldIds();

// Writes a column arrangement of the given field ids; column i is `width + i * widthStep` wide.
void writeArrangement(const std::filesystem::path& path, const std::vector<int>& ids, int width,
                      int widthStep = 0);

// The push button of that object name; fails the test through a null pointer when missing.
QPushButton* pushButton(const QWidget& parent, const char* name);
