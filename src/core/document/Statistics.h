#pragma once

#include <string>

class CBottlewrightDoc;

// Bottle counts and money totals of the document's entries, for the Working File and for the Focus
// Set, taken at one moment.
struct Statistics {
    struct Totals {
        int bottles = 0;
        float cost = 0.0f;
        float value = 0.0f;
    };

    struct Scope {
        int entries = 0;
        Totals remaining;
        Totals consumed;
        Totals acquired;
    };

    // The texts shown for one kind of totals: "%d" bottles and money texts, the averages per bottle
    // ($0.00 when there are no bottles).
    struct Texts {
        std::string bottles;
        std::string totalCost;
        std::string averageCost;
        std::string totalValue;
        std::string averageValue;
    };

    Scope focusSet;
    Scope workingFile;

    // Sums in document order (Working File) and in Focus Set order (Focus Set); each product is added to
    // a single-precision total that is rounded after every addition.
    static Statistics compute(const CBottlewrightDoc& document);

    static Texts texts(const Totals& totals);
};

// "$%d,%06.2f" for thousands and the rest, or "$%3.2f" below a thousand; only one separator is ever
// written, so 1234567.5 gives "$1234,567.50". A negative amount gets a leading minus before the text
// of its magnitude ("-$1,234.00"), unless that text is "$0.00".
std::string moneyText(float amount);
