#pragma once

class QPrinter;

// Where views find the program's printer, with the print orientation applied (a PDF writer when no
// printer is installed).
class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;
    virtual QPrinter& printer() = 0;
};
