#include "core/document/EntryReplace.h"

namespace EntryReplace {

bool replaceFirst(std::string& field, const std::string& findWhat, const std::string& replaceWith) {
    if (findWhat.empty()) {
        if (!field.empty())
            return false;
        field = replaceWith;
        return true;
    }
    const std::size_t at = field.find(findWhat);
    if (at == std::string::npos)
        return false;
    field.replace(at, findWhat.size(), replaceWith);
    return true;
}

} // namespace EntryReplace
