#include "core/app/StartupRules.h"

#include <algorithm>
#include <cctype>

namespace StartupRules {

namespace {

// The folder is compared as text: it names a Windows folder whatever the platform, and either
// slash, any letter case and a trailing separator all name the same folder.
bool isHomecel(const std::filesystem::path& startDirectory) {
    std::string text = startDirectory.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    if (text.size() > 1 && text.back() == '\\')
        text.pop_back();
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text == "c:\\homecel";
}

} // namespace

std::filesystem::path defaultFile(const std::filesystem::path& startDirectory, const std::string& setting) {
    if (isHomecel(startDirectory))
        return "C:\\homecel\\homecel.bwf";
    if (setting.empty())
        return {};
    const std::filesystem::path file(setting);
    return file.is_absolute() ? file : startDirectory / file;
}

bool usesDefaultFileSetting(const std::filesystem::path& startDirectory) {
    return !isHomecel(startDirectory);
}

int normalizedOrientation(int orientation) {
    return orientation == 1 || orientation == 2 ? orientation : 1;
}

} // namespace StartupRules
