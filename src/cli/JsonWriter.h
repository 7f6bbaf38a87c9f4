#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Streams JSON without building it in memory. Objects stay on one line; each element of an array
// starts a line of its own, so that long outputs can be read and compared line by line.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);

    void writeString(std::string_view utf8);
    void writeInteger(std::int64_t number);
    // The shortest text that reads back as the same float; JSON has no NaN or infinity, so they are null.
    void writeFloat(float number);

    // The text in double quotes, with quotes, backslashes and control characters escaped.
    static std::string quoted(std::string_view utf8);

private:
    struct Level {
        bool array;
        bool empty;
    };

    void beforeValue();

    std::ostream& m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};
