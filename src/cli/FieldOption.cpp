#include "cli/FieldOption.h"

#include "core/model/CWine.h"

#include <string_view>

namespace FieldOption {

int fieldIndex(const std::string& key) {
    struct Named {
        std::string_view key;
        int field;
    };
    static constexpr Named kFields[] = {
        {"producer", CWine::Producer},
        {"appellation", CWine::Appellation},
        {"designation", CWine::Designation},
        {"wineType", CWine::WineType},
        {"bins", CWine::Bins},
        {"region", CWine::Region},
        {"rating", CWine::Rating},
        {"tryDate", CWine::TryDate},
        {"drinkDate", CWine::DrinkDate},
        {"notes", CWine::Notes},
        {"country", CWine::Country},
        {"vendor", CWine::Vendor},
        {"user1", CWine::User1},
        {"user2", CWine::User2},
        {"user3", CWine::User3},
        {"user4", CWine::User4},
        {"user5", CWine::User5},
        {"dateAcquired", CWine::DateAcquired},
    };
    for (const Named& named : kFields) {
        if (named.key == key)
            return named.field;
    }
    return -1;
}

} // namespace FieldOption
