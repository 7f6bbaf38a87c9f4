#include "gui/views/entrylist/PrintStyleSettings.h"

#include "gui/common/AppSettings.h"
#include "gui/common/TextConvert.h"

namespace {

using Key = AppSettings::Key<int>;
const Key kEntriesPerPage{"Printing", "EntriesPerPage", 4};
const Key kWrappedNotes{"Printing", "bWrappedNotes", 0};
const Key kWineList{"Printing", "bWineList", 0};
const Key kCellarBook{"Printing", "bPrintCellarBook", 0};
const AppSettings::Key<QString> kTitle{"Printing", "List Title", QString()};
// Thousandths of an inch from the paper's edges.
const Key kLeftMargin{"Printing", "Left Margin", 750};
const Key kRightMargin{"Printing", "Right Margin", 750};
const Key kTopMargin{"Printing", "Top Margin", 750};
const Key kBottomMargin{"Printing", "Bottom Margin", 750};

} // namespace

namespace PrintStyleSettings {

PrintStyle read() {
    PrintStyle style;
    style.entriesPerPage = AppSettings::read(kEntriesPerPage);
    style.wrappedNotes = AppSettings::read(kWrappedNotes) != 0;
    style.wineList = AppSettings::read(kWineList) != 0;
    style.cellarBook = AppSettings::read(kCellarBook) != 0;
    style.title = fromQt(AppSettings::read(kTitle));
    style.leftMargin = PrintStyle::marginFromStored(AppSettings::read(kLeftMargin));
    style.rightMargin = PrintStyle::marginFromStored(AppSettings::read(kRightMargin));
    style.topMargin = PrintStyle::marginFromStored(AppSettings::read(kTopMargin));
    style.bottomMargin = PrintStyle::marginFromStored(AppSettings::read(kBottomMargin));
    return style;
}

void write(const PrintStyle& style) {
    AppSettings::write(kEntriesPerPage, style.entriesPerPage);
    AppSettings::write(kWrappedNotes, style.wrappedNotes ? 1 : 0);
    AppSettings::write(kWineList, style.wineList ? 1 : 0);
    AppSettings::write(kCellarBook, style.cellarBook ? 1 : 0);
    AppSettings::write(kTitle, toQt(style.title));
    AppSettings::write(kLeftMargin, PrintStyle::marginToStored(style.leftMargin));
    AppSettings::write(kRightMargin, PrintStyle::marginToStored(style.rightMargin));
    AppSettings::write(kTopMargin, PrintStyle::marginToStored(style.topMargin));
    AppSettings::write(kBottomMargin, PrintStyle::marginToStored(style.bottomMargin));
}

} // namespace PrintStyleSettings
