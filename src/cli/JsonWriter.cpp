#include "JsonWriter.h"

#include <charconv>
#include <cmath>

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level& level = m_levels.back();
    if (!level.empty)
        m_out << ',';
    if (level.array)
        m_out << '\n';
    level.empty = false;
}

void JsonWriter::beginObject() {
    beforeValue();
    m_out << '{';
    m_levels.push_back({false, true});
}

void JsonWriter::endObject() {
    m_levels.pop_back();
    m_out << '}';
}

void JsonWriter::beginArray() {
    beforeValue();
    m_out << '[';
    m_levels.push_back({true, true});
}

void JsonWriter::endArray() {
    if (!m_levels.back().empty)
        m_out << '\n';
    m_levels.pop_back();
    m_out << ']';
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    m_out << quoted(name) << ':';
    m_afterKey = true;
}

void JsonWriter::writeString(std::string_view utf8) {
    beforeValue();
    m_out << quoted(utf8);
}

void JsonWriter::writeInteger(std::int64_t number) {
    beforeValue();
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    m_out.write(buffer, end - buffer);
}

void JsonWriter::writeFloat(float number) {
    beforeValue();
    if (!std::isfinite(number)) {
        m_out << "null";
        return;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    m_out.write(buffer, end - buffer);
}

std::string JsonWriter::quoted(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[static_cast<unsigned char>(c) >> 4];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}
