#include "cli/JsonOutput.h"

#include "core/model/Cp1252.h"

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
    case Json::value_t::number_float: {
        // nlohmann writes 120 as "120.0" and -0 as "-0.0"; amounts are written in their shortest form.
        const float number = value.get<float>();
        if (!std::isfinite(number)) {
            out += "null";
            break;
        }
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
        out.append(buffer, end);
        break;
    }
    default:
        out += value.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
    }
}

} // namespace

std::string line(const Json& value) {
    std::string out;
    append(out, value);
    return out;
}

ArrayPrinter::ArrayPrinter(std::ostream& out, std::string_view name) : m_out(out) {
    m_out << "{" << line(Json(std::string(name))) << ":[";
}

ArrayPrinter::~ArrayPrinter() {
    m_out << (m_empty ? "" : "\n") << "]}\n";
}

void ArrayPrinter::add(const Json& element) {
    m_out << (m_empty ? "\n" : ",\n") << line(element);
    m_empty = false;
}

} // namespace JsonOutput
