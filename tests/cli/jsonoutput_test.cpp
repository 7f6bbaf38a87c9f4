// The command line's JSON array printer, in the process: a long array is written on every core.
#include "cli/JsonOutput.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

void writeElement(std::string& out, std::size_t i) {
    JsonOutput::appendNumber(out, static_cast<std::int64_t>(i));
}

std::string printedShared(std::size_t count) {
    std::ostringstream out;
    {
        JsonOutput::ArrayPrinter printer(out, "a");
        printer.addEach(count, writeElement);
    }
    return out.str();
}

std::string printedOneByOne(std::size_t count) {
    std::ostringstream out;
    {
        JsonOutput::ArrayPrinter printer(out, "a");
        for (std::size_t i = 0; i < count; ++i)
            printer.addWith([i](std::string& text) { writeElement(text, i); });
    }
    return out.str();
}

} // namespace

// Counts below and above the sharing threshold, and rounds cut short or exactly full.
TEST(JsonArrayPrinter, ALongArrayWrittenOnEveryCoreReadsAsOneWrittenInTurn) {
    for (const std::size_t count : {0, 1, 19999, 20000, 8192 * 5, 8192 * 5 + 1, 70001}) {
        SCOPED_TRACE(count);
        EXPECT_TRUE(printedShared(count) == printedOneByOne(count));
    }
}

// Whichever thread writes the failing element, every thread stops and the failure reaches the caller.
TEST(JsonArrayPrinter, AWriteFailingOnAnyThreadIsThrownOnceAllHaveStopped) {
    for (const std::size_t failing : {5, 30000, 69999}) {
        SCOPED_TRACE(failing);
        std::ostringstream out;
        JsonOutput::ArrayPrinter printer(out, "a");
        EXPECT_THROW(printer.addEach(70000,
                                     [failing](std::string& text, std::size_t i) {
                                         if (i == failing)
                                             throw std::runtime_error("no room");
                                         writeElement(text, i);
                                     }),
                     std::runtime_error);
    }
}
