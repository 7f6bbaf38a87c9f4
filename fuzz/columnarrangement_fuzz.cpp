// Feeds arbitrary bytes to the column arrangement reader (".bwc", "colset.bw3"). Whatever it accepts is
// a valid table; stored and read again it must give the same table.
#include "core/views/entrylist/ColumnArrangementFile.h"
#include "core/views/entrylist/EntryListColumns.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EntryListColumns columns;
    if (!ColumnArrangementFile::parse(columns, std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    if (!columns.isValid())
        std::abort();
    std::string text;
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        text += std::to_string(columns[i].fieldId) + ' ' + std::to_string(columns[i].width) + ' ' +
                std::to_string(columns[i].spare) + '\n' + columns[i].heading + '\n';
    EntryListColumns again;
    if (!ColumnArrangementFile::parse(again, text))
        std::abort();
    // A heading's trailing CRs may go with its line break; headings are never shown from the file.
    const auto bare = [](std::string heading) {
        while (!heading.empty() && heading.back() == '\r')
            heading.pop_back();
        return heading;
    };
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        if (again[i].fieldId != columns[i].fieldId || again[i].width != columns[i].width ||
            bare(again[i].heading) != bare(columns[i].heading))
            std::abort();
    return 0;
}
