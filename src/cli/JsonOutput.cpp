#include "cli/JsonOutput.h"

#include "core/model/Cp1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace JsonOutput {

Json text(std::string_view cp1252) {
    return Cp1252::toUtf8(cp1252);
}

Json amount(float value) {
    return value;
}

namespace {

// The characters JSON strings cannot hold as they are, written as nlohmann writes them.
void appendEscape(std::string& out, char c) {
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
    default: {
        static constexpr char kHex[] = "0123456789abcdef";
        out += "\\u00";
        out += kHex[(c >> 4) & 0xF];
        out += kHex[c & 0xF];
    }
    }
}

// The bytes that go across as they are: printable ASCII but the quote and the backslash.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x80; ++byte)
        plain[static_cast<std::size_t>(byte)] = byte != '"' && byte != '\\';
    return plain;
}();

} // namespace

void appendText(std::string& out, std::string_view cp1252) {
    out += '"';
    // One pass finds both what needs escaping and what needs UTF-8.
    while (!cp1252.empty()) {
        const auto special = std::find_if(cp1252.begin(), cp1252.end(),
                                          [](char c) { return !kPlain[static_cast<unsigned char>(c)]; });
        const auto plain = static_cast<std::size_t>(special - cp1252.begin());
        out.append(cp1252.data(), plain);
        if (plain == cp1252.size())
            break;
        if (static_cast<unsigned char>(cp1252[plain]) >= 0x80)
            Cp1252::appendUtf8(out, cp1252.substr(plain, 1));
        else
            appendEscape(out, cp1252[plain]);
        cp1252.remove_prefix(plain + 1);
    }
    out += '"';
}

namespace {

void append(std::string& out, const Json& value) {
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            out += first ? "" : ",";
            first = false;
            append(out, Json(key));
            out += ':';
            append(out, member);
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& element : value) {
            out += first ? "" : ",";
            first = false;
            append(out, element);
        }
        out += ']';
        break;
    }
    case Json::value_t::number_float:
        // nlohmann writes 120 as "120.0" and -0 as "-0.0"; amounts are written in their shortest form.
        appendAmount(out, value.get<float>());
        break;
    default:
        out += value.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
    }
}

} // namespace

void appendNumber(std::string& out, std::int64_t number) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
}

void appendAmount(std::string& out, float amount) {
    if (!std::isfinite(amount)) {
        out += "null";
        return;
    }
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, amount).ptr);
}

std::string line(const Json& value) {
    std::string out;
    append(out, value);
    return out;
}

ArrayPrinter::ArrayPrinter(std::ostream& out, std::string_view name) : m_out(out) {
    m_buffer += '{';
    appendText(m_buffer, name);
    m_buffer += ":[";
}

ArrayPrinter::~ArrayPrinter() {
    m_buffer += m_empty ? "]}\n" : "\n]}\n";
    m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
}

void ArrayPrinter::add(const Json& element) {
    append(startElement(), element);
    finishElement();
}

std::string& ArrayPrinter::startElement() {
    m_buffer += m_empty ? "\n" : ",\n";
    m_empty = false;
    return m_buffer;
}

void ArrayPrinter::finishElement() {
    // Written in blocks, so a long list takes few system calls.
    if (m_buffer.size() >= kBlock) {
        m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }
}

void ArrayPrinter::printAfterBuffer(std::string_view text) {
    if (text.empty())
        return;
    m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_buffer.clear();
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

} // namespace JsonOutput
