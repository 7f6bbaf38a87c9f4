#include "cli/FocusSetOptions.h"

#include "cli/CliSupport.h"
#include "cli/ScratchFolder.h"
#include "cli/WhereOption.h"
#include "core/model/SmallFiles.h"

void FocusSetOptions::addTo(CLI::App& command) {
    command.add_option("--sort", m_sortScheme, "sort by this sorting scheme (.bws) instead of srtprec.bw3");
    command.add_option("--where", m_where, "KEY=VALUE: keep only the entries that meet the criterion")
        ->allow_extra_args(false)
        ->type_name("KEY=VALUE");
    command.footer(
        std::string("--where keys (repeatable; the value as typed in the Focus Criteria sheet):\n") +
        WhereOption::kKeysHelp);
}

int FocusSetOptions::withFocusSet(const std::string& file,
                                  const std::function<int(CBottlewrightDoc&)>& use) const {
    std::optional<FocusCriteria> criteria;
    for (const std::string& keyValue : m_where) {
        if (!criteria)
            criteria.emplace();
        if (const std::string problem = WhereOption::apply(keyValue, *criteria); !problem.empty())
            throw CliSupport::UsageError(problem);
    }
    // The document writes its precedence back into its start directory when it goes; a folder of its
    // own keeps that from touching the user's "srtprec.bw3".
    const ScratchFolder scratch;
    if (scratch.path().empty())
        return CliSupport::failed(file, "No temporary folder could be made for the document.");
    CBottlewrightDoc& doc = CliSupport::keepUntilExit(std::make_unique<CBottlewrightDoc>(scratch.path()));
    SortPrecedence& precedence = doc.sortPrecedence();
    if (m_sortScheme) {
        if (!precedence.read(*m_sortScheme))
            return CliSupport::failed(*m_sortScheme, "Unable to retrieve the specified sorting scheme.");
    } else if (!precedence.read(std::filesystem::current_path() / SmallFiles::kSortPrecedence)) {
        precedence.clear();
    }
    CliSupport::setCurrentFile(file);
    if (const std::string error = doc.open(file); !error.empty())
        return CliSupport::failed(file, error);
    CliSupport::note(file, doc.openNote());
    if (criteria)
        doc.newFocusSet(*criteria);
    return use(doc);
}
