#pragma once

class QPrinter;

// The application's printer and its page orientation setting, for views that print.
class CPrinterHost {
public:
    virtual ~CPrinterHost() = default;

    // The printer with the orientation setting applied; a PDF writer when no printer is installed.
    virtual QPrinter& printer() = 0;
    // False when no printer is installed: printing then goes to a PDF file the user names.
    virtual bool hasInstalledPrinter() const = 0;
    // 1 portrait or 2 landscape.
    virtual int printOrientation() const = 0;
    virtual void setPrintOrientation(int orientation) = 0;
};
