// bw-make-lists CELLAR.bwf FOLDER: writes the fourteen dropdown lists of the cellar's names into FOLDER,
// as "Add All Items from the Focus Set" and OK in the setup sheet would, so that the program offers
// them on its first start.
#include "core/model/CellarFile.h"
#include "core/setup/DropdownList.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bw-make-lists CELLAR.bwf FOLDER\n";
        return 2;
    }
    const CellarReadResult cellar = CellarFile::load(argv[1]);
    if (!cellar.ok()) {
        std::cerr << "bw-make-lists: " << argv[1] << ": " << cellar.error << '\n';
        return 1;
    }
    for (const DropdownList::ListFile& list : DropdownList::kListFiles) {
        std::vector<std::string> texts;
        for (const auto& wine : cellar.entries)
            texts.push_back(*wine->textField(list.field));
        std::vector<std::string> items;
        DropdownList::addMissingItems(items, texts, list.field == DropdownList::kBinsField);
        // The setup sheet's list is sorted, and so is the file it writes.
        std::sort(items.begin(), items.end());
        const std::filesystem::path file = std::filesystem::path(argv[2]) / list.fileName;
        if (const std::string error = DropdownList::writeItems(file, items); !error.empty()) {
            std::cerr << "bw-make-lists: " << error << '\n';
            return 1;
        }
    }
    return 0;
}
