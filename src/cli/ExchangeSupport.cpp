#include "cli/ExchangeSupport.h"

#include "cli/CliSupport.h"
#include "core/model/CellarFile.h"

#include <iostream>

namespace ExchangeSupport {

int printMessage(const std::string& message) {
    std::cout << message;
    if (message.empty() || message.back() != '\n')
        std::cout << '\n';
    return CliSupport::finishOutput();
}

int saveAndReport(const std::string& out, const WineList& entries, const std::string& message) {
    if (const std::string error = CellarFile::save(out, entries); !error.empty())
        return CliSupport::failed(out, error);
    return printMessage(message);
}

} // namespace ExchangeSupport
