#pragma once

#include "core/model/PacedSplit.h"
#include "core/model/WorkInParts.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
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
// Its buffer, written for every element, has cache lines of its own: helpers read what lies around it.
class alignas(64) ArrayPrinter {
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
    // written on every core, in short rounds: this thread prints the first part of a round as it goes,
    // helper threads, started once, write theirs into buffers of their own, printed after it in order.
    // Short rounds keep those buffers small and reused. write must only read what it shares.
    template <typename Write> void addEach(std::size_t count, const Write& write);

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 16;

    // Arrays shorter than this are written on this thread alone; longer ones in rounds of kRound.
    static constexpr std::size_t kSharedCount = 20000;
    static constexpr std::size_t kRound = std::size_t{1} << 13;

    std::string& startElement();
    void finishElement();
    // Prints the buffer and then text, which holds elements that follow it.
    void printAfterBuffer(std::string_view text);

    std::ostream& m_out;
    std::string m_buffer;
    bool m_empty = true;
};

template <typename Write> void ArrayPrinter::addEach(std::size_t count, const Write& write) {
    std::vector<WorkInParts::Task> helpers;
    // Each helper writes its share of a round into one of its two buffers while this thread prints
    // what it wrote into the other the round before; all meet at the end of every round. A helper's
    // buffers share no cache line with what another thread writes.
    struct alignas(64) Buffers {
        std::array<std::string, 2> rounds;
    };
    std::vector<Buffers> later;
    std::vector<std::exception_ptr> failures;
    std::optional<WorkInParts::Meeting> roundEnd;
    std::atomic<bool> started{false};
    std::size_t parts = 1;
    const std::size_t rounds = (count + kRound - 1) / kRound;
    // The seconds each part took for its share of a round, by the round's parity: a thread still reading
    // those of one round when another has done the next cannot have them overwritten.
    struct alignas(64) Seconds {
        std::array<double, 2> rounds{};
    };
    std::vector<Seconds> seconds;
    using Clock = std::chrono::steady_clock;
    // Writes part of round with write(i) and meets the others at its end; split is this thread's own.
    const auto take = [&](std::size_t round, std::size_t part, PacedSplit& split, const auto& writeOne) {
        const std::size_t begin = round * kRound;
        const std::size_t length = std::min(kRound, count - begin);
        const Clock::time_point start = Clock::now();
        for (std::size_t i = begin + split.start(part, length); i < begin + split.start(part + 1, length);
             ++i)
            writeOne(i);
        seconds[part].rounds[round % 2] = std::chrono::duration<double>(Clock::now() - start).count();
        roundEnd->arriveAndWait();
        std::vector<double> taken(parts);
        for (std::size_t p = 0; p < parts; ++p)
            taken[p] = seconds[p].rounds[round % 2];
        split.learn(taken, length);
    };
    const auto help = [&](std::size_t part) {
        WorkInParts::waitUntilSet(started);
        PacedSplit split(parts);
        for (std::size_t round = 0; round < rounds; ++round) {
            std::string& out = later[part - 1].rounds[round % 2];
            out.clear();
            take(round, part, split, [&](std::size_t i) {
                if (failures[part - 1])
                    return;
                try {
                    out += ",\n";
                    write(out, i);
                } catch (...) {
                    failures[part - 1] = std::current_exception();
                }
            });
        }
    };
    if (count >= kSharedCount) {
        const std::size_t wanted = WorkInParts::count();
        later.resize(wanted - 1);
        failures.resize(wanted - 1);
        for (std::size_t part = 1; part < wanted; ++part) {
            std::optional<WorkInParts::Task> helper =
                WorkInParts::tryStartBeside([&help, part] { help(part); });
            if (!helper)
                break; // the helpers there are share the work
            helpers.push_back(std::move(*helper));
        }
        parts = helpers.size() + 1;
    }
    roundEnd.emplace(static_cast<std::ptrdiff_t>(parts));
    seconds.resize(parts);
    started.store(true, std::memory_order_release);
    started.notify_all();
    std::exception_ptr failure;
    PacedSplit split(parts);
    for (std::size_t round = 0; round < rounds; ++round) {
        // After a failure the helpers still wait for this thread at every round's end.
        take(round, 0, split, [&](std::size_t i) {
            if (failure)
                return;
            try {
                addWith([&](std::string& out) { write(out, i); });
            } catch (...) {
                failure = std::current_exception();
            }
        });
        for (std::size_t part = 1; part < parts && !failure; ++part) {
            if (failures[part - 1])
                failure = failures[part - 1];
            else
                printAfterBuffer(later[part - 1].rounds[round % 2]);
        }
    }
    helpers.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace JsonOutput
