#pragma once

#include "core/views/entrylist/PrintStyle.h"

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

// The options of the print command: the style, notes, entries per page, title, orientation, margins
// and the PDF to write. bottlewright-cli declares them for its help and hands the command line to
// bottlewright-print, which reads them again and paints.
class PrintOptions {
public:
    void addTo(CLI::App& command);

    // The style the options ask for; throws CliSupport::UsageError for bad margins.
    PrintStyle style() const;
    bool landscape() const { return m_landscape; }
    const std::string& output() const { return m_output; }

private:
    std::string m_style = "grid";
    bool m_wrapNotes = false;
    int m_entriesPerPage = 4;
    std::string m_title;
    bool m_landscape = false;
    std::vector<float> m_margins;
    std::string m_output;
};
