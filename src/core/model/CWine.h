#pragma once

#include "core/model/WineText.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// One wine of the cellar. Members are public; visitMembers walks them in the order in which a Cellar
// File stores them. Texts are single-byte Windows-1252 strings; conversion happens at the user-interface
// boundary only.
class CWine {
public:
    // Field index: how the field-name table, the column table and sorting address fields.
    enum Field : int {
        Vintage = 0,
        Producer = 1,
        Appellation = 2,
        Designation = 3,
        WineType = 4,
        NumberRemaining = 5,
        Cost = 6,
        Value = 7,
        Bins = 8,
        Region = 9,
        Rating = 10,
        TryDate = 11,
        DrinkDate = 12,
        Notes = 13,
        Country = 14,
        Vendor = 15,
        User1 = 16,
        User2 = 17,
        User3 = 18,
        User4 = 19,
        User5 = 20,
        DateModified = 21,
        NumberAcquired = 22,
        DateAcquired = 23,
        NumberConsumed = 24,
    };
    static constexpr int FieldCount = 25;

    enum LetterColor : std::int32_t { Black = 0, Red = 1, Green = 2, Blue = 3 };

    std::int32_t m_nVintage = 1993; // 0 means non-vintage
    std::int32_t m_nLetterColor = Black;
    WineText m_strProducer;
    WineText m_strDesignation;
    WineText m_strWineType;
    WineText m_strAppellation;
    WineText m_strRegion;
    float m_fCost = 0.0f;
    float m_fValue = 0.0f;
    std::int32_t m_nNumberAcquired = 0;
    std::int32_t m_nNumberRemaining = 0;
    WineText m_strDateAcquired;
    WineText m_strTryDate;
    WineText m_strDrinkDate;
    WineText m_strRating;
    WineText m_strCountry;
    WineText m_strBins;
    WineText m_strVendor;
    WineText m_strUser1;
    WineText m_strUser2;
    WineText m_strUser3;
    WineText m_strUser4;
    WineText m_strUser5;
    WineText m_strHistory;
    WineText m_strSpare;
    WineText m_strDateModified;
    WineText m_strNotes;

    // Wraps around as 32-bit arithmetic does, so that counts from a damaged file cannot overflow.
    std::int32_t numberConsumed() const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(m_nNumberAcquired) -
                                         static_cast<std::uint32_t>(m_nNumberRemaining));
    }

    // A Value of 0.02 or less counts as no value given, so the Cost stands in for it.
    float effectiveValue() const { return m_fValue > 0.02f ? m_fValue : m_fCost; }

    // "1990 Producer Appellation Designation", or "  NV Producer Appellation Designation".
    std::string description() const;
    // The same at the end of out, for a caller that describes many entries into one buffer.
    void appendDescription(std::string& out) const;

    // A whole copy takes every field. A partial copy starts a new entry from an existing one:
    // names, amounts and user fields are kept, bottles, bins, history and notes start empty
    // and Date Modified becomes today.
    void copyFrom(const CWine& source, bool whole);

    // The text member for a field index, or nullptr for numeric fields and indices out of range.
    WineText* textField(int fieldIndex);
    const WineText* textField(int fieldIndex) const;

    // A copy of wine in a single allocation: the entry, then every text too long for its eight bytes.
    // Reading a file makes its entries so, which keeps a large cellar small in memory.
    static std::unique_ptr<CWine> packed(const CWine& wine);
    // The same from an entry's numbers and its texts, in the order visitMembers walks them.
    static constexpr std::size_t kTextCount = 21;
    static std::unique_ptr<CWine> packed(const CWine& numbers,
                                         std::span<const std::string_view, kTextCount> texts);
    // Asks the processor for the entry's first 64 bytes (the numbers, and the words of the texts a
    // description shows) and for the first texts packed after it, ahead of a walk that reaches entries in
    // an order of its own. An entry need not start on a cache line, so each of them may take two.
    void prefetch() const {
        constexpr std::size_t kWanted = 64;
        const char* const entry = reinterpret_cast<const char*>(this);
        __builtin_prefetch(entry);
        __builtin_prefetch(entry + kWanted - 1);
        __builtin_prefetch(entry + sizeof(CWine));
        __builtin_prefetch(entry + sizeof(CWine) + kWanted - 1);
    }
    // Entries are allocated by new or by packed, whose blocks are longer than the class.
    static void operator delete(void* entry) noexcept { ::operator delete(entry); }

    bool operator==(const CWine&) const = default;

    // Walks every member in the order a Cellar File stores them, as visit(name, member), where name is
    // the member's key in the command line's JSON. Wine is CWine or const CWine.
    template <typename Wine, typename Visit> static void visitMembers(Wine& wine, Visit&& visit);
};

template <typename Wine, typename Visit> void CWine::visitMembers(Wine& wine, Visit&& visit) {
    visit("vintage", wine.m_nVintage);
    visit("producer", wine.m_strProducer);
    visit("designation", wine.m_strDesignation);
    visit("wineType", wine.m_strWineType);
    visit("appellation", wine.m_strAppellation);
    visit("region", wine.m_strRegion);
    visit("cost", wine.m_fCost);
    visit("value", wine.m_fValue);
    visit("numberAcquired", wine.m_nNumberAcquired);
    visit("numberRemaining", wine.m_nNumberRemaining);
    visit("dateAcquired", wine.m_strDateAcquired);
    visit("tryDate", wine.m_strTryDate);
    visit("drinkDate", wine.m_strDrinkDate);
    visit("rating", wine.m_strRating);
    visit("country", wine.m_strCountry);
    visit("bins", wine.m_strBins);
    visit("vendor", wine.m_strVendor);
    visit("user1", wine.m_strUser1);
    visit("user2", wine.m_strUser2);
    visit("user3", wine.m_strUser3);
    visit("user4", wine.m_strUser4);
    visit("user5", wine.m_strUser5);
    visit("history", wine.m_strHistory);
    visit("spare", wine.m_strSpare);
    visit("dateModified", wine.m_strDateModified);
    visit("letterColor", wine.m_nLetterColor);
    visit("notes", wine.m_strNotes);
}

// The character that ends each item of the History text.
inline constexpr char kHistoryItemEnd = '\x06';

// The document's entries in document order; the document owns them.
using WineList = std::vector<std::unique_ptr<CWine>>;
