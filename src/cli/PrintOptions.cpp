#include "cli/PrintOptions.h"

#include "cli/CliSupport.h"
#include "core/model/Cp1252.h"

void PrintOptions::addTo(CLI::App& command) {
    command.add_option("--style", m_style, "grid, winelist or cellarbook")
        ->check(CLI::IsMember({"grid", "winelist", "cellarbook"}))
        ->required();
    command.add_flag("--wrap-notes", m_wrapNotes, "wrap the notes over as many lines as they need");
    command.add_option("--entries-per-page", m_entriesPerPage, "cellar book entries per page, 1 to 12 (4)")
        ->check(CLI::Range(PrintStyle::kMinEntriesPerPage, PrintStyle::kMaxEntriesPerPage));
    command.add_option("--title", m_title, "the title above a wine list");
    command.add_flag("--landscape", m_landscape, "landscape paper instead of portrait");
    command.add_option("--margins", m_margins, "L,R,T,B margins in inches, 0 to 3.5 (0.75 each)")
        ->delimiter(',')
        ->expected(4);
    command.add_option("-o", m_output, "the PDF file to write")->required();
}

PrintStyle PrintOptions::style() const {
    PrintStyle style;
    style.cellarBook = m_style == "cellarbook";
    style.wineList = m_style == "winelist";
    style.wrappedNotes = m_wrapNotes;
    style.entriesPerPage = m_entriesPerPage;
    style.title = Cp1252::fromUtf8(m_title);
    if (!m_margins.empty()) {
        for (float margin : m_margins) {
            if (!(margin >= 0.0f && margin <= PrintStyle::kMaxMargin))
                throw CliSupport::UsageError("--margins: each margin is 0 to 3.5 inches");
        }
        style.leftMargin = m_margins[0];
        style.rightMargin = m_margins[1];
        style.topMargin = m_margins[2];
        style.bottomMargin = m_margins[3];
    }
    return style;
}
