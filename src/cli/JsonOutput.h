#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>

// JSON as the command line prints it: keys in the order written, amounts as 32-bit floats.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;

namespace JsonOutput {

// A Windows-1252 text of the Cellar File as a JSON string (UTF-8).
Json text(std::string_view cp1252);

// A stored 32-bit amount.
Json amount(float value);

// Pieces of a line written straight into a buffer, for outputs of many elements: a Windows-1252 text
// as a JSON string, a whole number, and an amount as line() writes it.
void appendText(std::string& out, std::string_view cp1252);
void appendNumber(std::string& out, std::int64_t number);
void appendAmount(std::string& out, float amount);

// One value on one line, without a line break. Amounts are written in the shortest text that reads
// back as the same float (24.95, 120, -0, 1e+20); JSON has no NaN or infinity, so they are null.
std::string line(const Json& value);

// Writes {"NAME":[ with each element on a line of its own, then ]} and a line break, so long outputs
// can be read and compared line by line; an empty array stays on the first line.
class ArrayPrinter {
public:
    ArrayPrinter(std::ostream& out, std::string_view name);
    ~ArrayPrinter();
    ArrayPrinter(const ArrayPrinter&) = delete;
    ArrayPrinter& operator=(const ArrayPrinter&) = delete;

    void add(const Json& element);
    // An element written by write(std::string&) with the append functions above, straight into the
    // printer's buffer; the same text as add() would print for it.
    template <typename Write> void addWith(Write write) {
        write(startElement());
        finishElement();
    }

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 16;

    std::string& startElement();
    void finishElement();

    std::ostream& m_out;
    std::string m_buffer;
    bool m_empty = true;
};

} // namespace JsonOutput
