#pragma once

#include "core/model/WorkInParts.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

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
    // Elements 0 to count - 1, element i written by write(out, i) as for addWith. A long array is
    // written on every core, in rounds: this thread prints the first part of a round as it goes, the
    // others write theirs into buffers of their own, printed after it in order. write must only read
    // what it shares.
    template <typename Write> void addEach(std::size_t count, const Write& write);

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 16;

    // Arrays shorter than this are written on this thread alone; longer ones in rounds of kRound.
    static constexpr std::size_t kSharedCount = 20000;
    static constexpr std::size_t kRound = std::size_t{1} << 16;

    std::string& startElement();
    void finishElement();
    // Prints the buffer and then text, which holds elements that follow it.
    void printAfterBuffer(std::string_view text);

    std::ostream& m_out;
    std::string m_buffer;
    bool m_empty = true;
};

template <typename Write> void ArrayPrinter::addEach(std::size_t count, const Write& write) {
    const std::size_t parts = count >= kSharedCount ? WorkInParts::count() : 1;
    std::vector<std::string> later(parts - 1);
    std::vector<std::exception_ptr> failures(parts - 1);
    // In rounds, so that the buffers stay small however long the array.
    for (std::size_t begin = 0; begin < count; begin += kRound) {
        const std::size_t elements = std::min(kRound, count - begin);
        const auto first = [&](std::size_t part) {
            return begin + WorkInParts::start(part, parts, elements);
        };
        std::vector<std::jthread> threads;
        for (std::size_t part = 1; part < parts; ++part) {
            threads.push_back(WorkInParts::startBeside([&, part] {
                try {
                    std::string& out = later[part - 1];
                    out.clear();
                    for (std::size_t i = first(part); i < first(part + 1); ++i) {
                        out += ",\n";
                        write(out, i);
                    }
                } catch (...) {
                    failures[part - 1] = std::current_exception();
                }
            }));
        }
        for (std::size_t i = begin; i < first(1); ++i)
            addWith([&](std::string& out) { write(out, i); });
        for (std::size_t part = 1; part < parts; ++part) {
            if (threads[part - 1].joinable())
                threads[part - 1].join();
            if (failures[part - 1])
                std::rethrow_exception(failures[part - 1]);
            printAfterBuffer(later[part - 1]);
        }
    }
}

} // namespace JsonOutput
