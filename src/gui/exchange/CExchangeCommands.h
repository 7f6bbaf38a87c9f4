#pragma once

#include "core/exchange/TabImport.h"
#include "gui/exchange/ExchangePrompt.h"

#include <QObject>

class ExchangeHost;

// The data exchange commands: import of tab-separated text and of CellarTracker exports, conversion
// of version 2.xx files, and the Focus Set's save, append and export. Imports close the Working File
// first and fill a new, untitled one; the others leave the Working File as it is.
class CExchangeCommands : public QObject {
    Q_OBJECT
public:
    // Files of more lines than this show a cancellable progress dialog while they are read.
    static constexpr std::size_t kProgressLines = 3000;

    explicit CExchangeCommands(ExchangeHost& host, QObject* parent = nullptr);

    void setFilePrompt(ExchangePrompt prompt) { m_prompt = std::move(prompt); }

    void importText();
    void importCellarTracker();
    void convertVersion2();
    void saveFocusSet();
    void appendFocusSet();
    void exportFocusSet();

private:
    std::filesystem::path ask(FilePrompt::Mode mode, const QString& caption, const QString& filter,
                              const QString& suffix, const std::filesystem::path& suggested = {});
    // Reads the whole file; on failure shows "Unable to open PATH" and gives false.
    bool readFile(const std::filesystem::path& path, std::string& bytes);
    void inform(const std::string& message);
    void warn(const std::string& message);
    ExchangeProgress progress(const QString& label);

    ExchangeHost& m_host;
    ExchangePrompt m_prompt;
};
