#include "DropdownListLoader.h"

#include "app/TextConvert.h"
#include "editing/CCompletingCombo.h"
#include "setup/DropdownList.h"

void loadDropdownList(CCompletingCombo& combo, const std::filesystem::path& startDirectory,
                      const std::string& fileName) {
    for (const std::string& item : DropdownList::loadItems(startDirectory, fileName))
        combo.addListItem(toQt(item));
}
