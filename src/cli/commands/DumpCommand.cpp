#include "cli/CliSupport.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"
#include "core/model/CellarFile.h"

#include <iostream>
#include <memory>

namespace {

Json entryJson(const CWine& wine) {
    Json json = Json::object();
    CWine::visitMembers(wine, [&](const char* name, const auto& member) {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, WineText>)
            json[name] = JsonOutput::text(member);
        else if constexpr (std::is_same_v<Member, float>)
            json[name] = JsonOutput::amount(member);
        else
            json[name] = member;
    });
    return json;
}

} // namespace

void addDumpCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand("dump", "every entry of a Cellar File as JSON, in file order");
    auto file = std::make_shared<std::string>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [file] {
        CliSupport::setCurrentFile(*file);
        const CellarReadResult& result =
            CliSupport::keepUntilExit(std::make_unique<CellarReadResult>(CellarFile::load(*file)));
        if (!result.ok())
            return CliSupport::failed(*file, result.error);
        CliSupport::note(*file, CellarFile::trailingBytesNote(result.trailingBytes));
        {
            JsonOutput::ArrayPrinter entries(std::cout, "entries");
            for (const auto& wine : result.entries)
                entries.add(entryJson(*wine));
        }
        return CliSupport::finishOutput();
    });
}
