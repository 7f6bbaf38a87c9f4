#pragma once

#include <array>
#include <string>

class CWine;

// The conditions of the "Focus Criteria" sheet, every one held as the text typed; an empty text is
// not in force. The word "blank" in a text criterion or in the Min of a rating or date range asks for
// an empty field.
struct FocusCriteria {
    enum Method { NewFocusSet = 0, RemoveFromFocusSet = 1, AddToFocusSet = 2 };

    struct Range {
        std::string min;
        std::string max;
        bool inForce() const { return !min.empty() || !max.empty(); }
    };

    Method method = NewFocusSet;

    // Names page.
    std::string producer;
    std::string designation;
    std::string appellation;
    std::string region;
    std::string country;
    std::string wineType;
    std::string vendor;
    std::string bins;
    std::string notes;
    std::string user1;
    std::string user2;
    std::string user3;
    std::string user4;
    std::string user5;

    // Numbers and Vintage page.
    Range numberLeft;
    Range numberAcquired;
    Range numberGone;
    Range rating;
    Range vintage;
    Range cost;
    Range value;

    // Dates and Color page.
    Range dateAcquired;
    Range tryDate;
    Range drinkDate;
    Range dateModified;
    // Allowed letter colours: black, red, green, blue.
    std::array<bool, 4> colors{true, true, true, true};
};

// Whether the entry meets every condition in force.
bool MatchesCriteria(const CWine& wine, const FocusCriteria& criteria);
