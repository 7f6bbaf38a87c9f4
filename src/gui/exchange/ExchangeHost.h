#pragma once

#include <filesystem>

class CBottlewrightDoc;
class FieldNames;
class QWidget;

// What the exchange commands need from the application, which implements it.
class ExchangeHost {
public:
    virtual ~ExchangeHost() = default;

    virtual QWidget* mainWindow() = 0;
    // The Working File, or nullptr.
    virtual CBottlewrightDoc* workingFile() = 0;
    // Closes the Working File with the usual offer to save; false when the user cancels.
    virtual bool closeWorkingFileForExchange() = 0;
    // A new, empty, untitled Working File with its windows, as "&New" makes it.
    virtual CBottlewrightDoc* newWorkingFileForExchange() = 0;
    virtual const FieldNames& currentFieldNames() = 0;
    // The start directory, made the current directory, where the file dialogs begin.
    virtual std::filesystem::path enterStartDirectory() = 0;
};
