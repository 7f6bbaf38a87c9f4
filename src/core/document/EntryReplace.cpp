#include "core/document/EntryReplace.h"

namespace EntryReplace {

bool replaceFirst(WineText& field, const std::string& findWhat, const std::string& replaceWith) {
    if (findWhat.empty()) {
        if (!field.empty())
            return false;
        field = replaceWith;
        return true;
    }
    const std::size_t at = field.find(findWhat);
    if (at == std::string::npos)
        return false;
    std::string text(field);
    text.replace(at, findWhat.size(), replaceWith);
    field = text;
    return true;
}

} // namespace EntryReplace
