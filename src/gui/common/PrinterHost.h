#pragma once

class QPrinter;

// What the views need of the application to print: its printer and the paper orientation.
class PrinterHost {
public:
    virtual ~PrinterHost() = default;

    // The printer with the print orientation applied, or nullptr when there is none.
    virtual QPrinter* currentPrinter() = 0;
    // False when no printer is installed: printing then goes to a PDF file the user names.
    virtual bool hasInstalledPrinter() const = 0;
    // 1 portrait, 2 landscape.
    virtual int printOrientation() const = 0;
    virtual void setPrintOrientation(int orientation) = 0;
};
