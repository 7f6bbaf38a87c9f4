#include "core/model/Version2File.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Reads the old file as its own program did, through a text-mode stream: line ends are single line
// feeds, and every other byte, 0xFF included, is text.
class OldText {
public:
    explicit OldText(std::string_view bytes) {
        m_text.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                continue;
            m_text += bytes[i];
        }
    }

    bool atEnd() const { return m_at >= m_text.size(); }

    bool skipPrefix(std::string_view prefix) {
        if (std::string_view(m_text).substr(m_at, prefix.size()) != prefix)
            return false;
        m_at += prefix.size();
        return true;
    }

    // A line of at most width characters, without its line end. When the width is reached first, one
    // more character goes as the line end. False at the end of the file with nothing read.
    bool readLine(std::size_t width, std::string& line) {
        line.clear();
        if (atEnd())
            return false;
        while (!atEnd() && line.size() < width) {
            const char c = m_text[m_at++];
            if (c == '\n')
                return true;
            line += c;
        }
        if (line.size() == width && !atEnd())
            ++m_at;
        return true;
    }

    // Notes up to the next "@", which stays for the marker line.
    void readNotes(std::string& notes) {
        notes.clear();
        char previous = '\0';
        while (!atEnd() && m_text[m_at] != '@') {
            const char c = m_text[m_at++];
            if (notes.size() >= Version2File::kNotesRoom)
                continue;
            if (c == '\n') {
                // Blank lines go, and so does a break that has no room left for CR LF.
                if (previous != '\n' && Version2File::kNotesRoom - notes.size() >= 2)
                    notes += "\r\n";
            } else {
                notes += c;
            }
            previous = c;
        }
    }

private:
    std::string m_text;
    std::size_t m_at = 0;
};

enum class Record { Kept, Dropped, EndOfFile };

constexpr std::size_t kNumberLine = 80;

int scannedInt(const std::string& line) {
    int value = 0;
    return std::sscanf(line.c_str(), "%d", &value) == 1 ? value : 0;
}

float scannedFloat(const std::string& line) {
    float value = 0;
    return std::sscanf(line.c_str(), "%f", &value) == 1 ? value : 0.0f;
}

bool isMarker(const std::string& line) {
    return line == "@@@" || line == "@*@" || line == "@#@" || line == "@$@";
}

Record readRecord(OldText& in, CWine& wine) {
    std::string line;
    if (!in.readLine(kNumberLine, line))
        return Record::EndOfFile;
    if (!line.empty() && line[0] == '@')
        return Record::Dropped; // a stray marker line
    wine.m_nVintage = scannedInt(line);

    // Each line is read as text; a wine's texts are then kept, its numbers read further below.
    struct Line {
        std::size_t width;
        WineText* member;
        std::string* number = nullptr;
    };
    std::string cost, value, acquired, remaining;
    const Line fields[] = {
        {50, &wine.m_strProducer},
        {30, &wine.m_strDesignation},
        {20, &wine.m_strWineType},
        {50, &wine.m_strAppellation},
        {40, &wine.m_strRegion},
        {kNumberLine, nullptr, &cost},
        {kNumberLine, nullptr, &value},
        {kNumberLine, nullptr, &acquired},
        {kNumberLine, nullptr, &remaining},
        {9, &wine.m_strDateAcquired},
        {9, &wine.m_strTryDate},
        {9, &wine.m_strDrinkDate},
        {25, &wine.m_strRating},
        {16, &wine.m_strCountry},
        {128, &wine.m_strBins},
        {40, &wine.m_strVendor},
        {32, &wine.m_strUser1},
        {32, &wine.m_strUser2},
        {64, &wine.m_strUser3},
        {9, &wine.m_strDateModified},
    };
    for (const Line& field : fields) {
        std::string& text = field.number != nullptr ? *field.number : line;
        if (!in.readLine(field.width, text))
            return Record::EndOfFile;
        if (!text.empty() && text.front() == '@')
            return Record::Dropped; // cut short: the marker line is gone with it
        if (field.member != nullptr)
            *field.member = text;
    }
    wine.m_fCost = scannedFloat(cost);
    wine.m_fValue = scannedFloat(value);
    wine.m_nNumberAcquired = scannedInt(acquired);
    wine.m_nNumberRemaining = scannedInt(remaining);

    in.readNotes(line);
    wine.m_strNotes = line;
    if (!in.readLine(4, line))
        return Record::EndOfFile;
    if (isMarker(line))
        return Record::Kept;
    while (in.readLine(kNumberLine, line)) {
        if (line.starts_with("@@@"))
            return Record::Dropped;
    }
    return Record::EndOfFile;
}

} // namespace

namespace Version2File {

Version2ReadResult read(std::string_view bytes) {
    Version2ReadResult result;
    OldText in(bytes);
    // The header is compared with its line end, 27 characters in all.
    if (!in.skipPrefix(std::string(kHeader) + '\n'))
        return result;
    result.isVersion2 = true;
    for (;;) {
        auto wine = std::make_unique<CWine>();
        wine->m_nVintage = 0;
        const Record record = readRecord(in, *wine);
        if (record == Record::Kept)
            result.entries.push_back(std::move(wine));
        else if (record == Record::Dropped)
            ++result.dropped;
        else
            break;
    }
    return result;
}

std::string notVersion2Message(const std::string& path) {
    return path + " is not a previous version (2.xx) Cellar File.";
}

} // namespace Version2File
