#pragma once

#include "core/document/CBottlewrightDoc.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The options that choose a Focus Set as the program shows it after opening a file: --sort SCHEME.bws
// and any number of --where KEY=VALUE.
class FocusSetOptions {
public:
    // Adds both options to command, with the --where keys in its help.
    void addTo(CLI::App& command);

    // Opens file as the program does, sorted by the scheme given or the last used precedence in the
    // current folder, narrows the Focus Set to the criteria and hands the document to use. Returns
    // use's status, or kFailed after saying why the file could not be opened. Throws
    // CliSupport::UsageError for a bad --where.
    [[nodiscard]] int withFocusSet(const std::string& file,
                                   const std::function<int(CBottlewrightDoc&)>& use) const;

private:
    std::optional<std::string> m_sortScheme;
    std::vector<std::string> m_where;
};
