#pragma once

#include <string>
#include <string_view>
#include <vector>

// A date as read from an "m-d-yy" text, the year widened to four digits.
// Parts that could not be read are -1 (nothing read) or 0 (month or day missing).
struct WineDate {
    int year = -1;
    int month = -1;
    int day = -1;
};

WineDate parseWineDate(std::string_view text);

// Two-digit years below 50 are 20xx, 50 to 99 are 19xx; anything else is taken as it stands.
int widenYear(int year);

// Reads "%d-%d-%d" as sscanf does and returns how many numbers it read, the others left as they were.
// Texts of digits and '-' alone, as dates are, are read without sscanf, which costs more than the rest
// of a pass over a million entries.
int scanDateNumbers(std::string_view text, int (&numbers)[3]);

// -1, 0 or 1 comparing year, then month, then day. An empty date comes before every real date.
int compareDates(std::string_view a, std::string_view b);
int compareDates(const WineDate& a, const WineDate& b);

// -1, 0 or 1 comparing texts that hold numbers, so that "Bin 9" comes before "Bin 10".
// Rating mode ranks a trailing "-" below and a "+" above the plain number: 90- < 90 < 90+.
int compareNumberText(std::string_view a, std::string_view b, bool ratingMode);
// The same over the length of the shorter text only: texts equal that far compare equal.
int compareNumberTextOverShorter(std::string_view a, std::string_view b, bool ratingMode);
// For sorts, which compare the same texts many times: what "%f" reads at each digit of a text (0 at
// other characters), read once and appended to numbers, and compareNumberText with those numbers.
void appendNumbersAtDigits(std::string_view text, std::vector<float>& numbers);
int compareNumberText(std::string_view a, const float* numbersA, std::string_view b, const float* numbersB,
                      bool ratingMode);

// Formats a date the way entries store it: "%d-%d-%d" with the year's last two digits.
std::string formatWineDate(int month, int day, int year);
