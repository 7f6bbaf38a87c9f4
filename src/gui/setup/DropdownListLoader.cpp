#include "gui/setup/DropdownListLoader.h"

#include "core/setup/DropdownList.h"
#include "gui/common/TextConvert.h"
#include "gui/editing/CCompletingCombo.h"

void loadDropdownList(CCompletingCombo& combo, const std::filesystem::path& startDirectory,
                      const std::string& fileName) {
    for (const std::string& item : DropdownList::loadItems(startDirectory, fileName))
        combo.addListItem(toQt(item));
}
