#pragma once

#include "core/document/CDocObserver.h"
#include "core/document/FocusCriteria.h"
#include "core/document/SortPrecedence.h"
#include "core/model/CellarFile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The Working File: the entries of one Cellar File and the Focus Set, the ordered subset of entry
// indices the views show. Views address entries by Focus Set position.
class CBottlewrightDoc {
public:
    // startDirectory is where "srtprec.bw3" lives; it is read now and written back on destruction.
    explicit CBottlewrightDoc(std::filesystem::path startDirectory);
    ~CBottlewrightDoc();
    CBottlewrightDoc(const CBottlewrightDoc&) = delete;
    CBottlewrightDoc& operator=(const CBottlewrightDoc&) = delete;

    // Reads a Cellar File into this (empty) document, makes every entry a Focus Set member and sorts.
    // Returns an empty string, or the reason the file could not be read (the document stays empty).
    std::string open(const std::filesystem::path& path);
    // Saves to the document's path (or to path, which then becomes the document's path). Success
    // clears the modified flag; a failure keeps it and gives the reason.
    std::string save();
    std::string saveAs(const std::filesystem::path& path);

    // Fills a new, untitled document with imported or converted entries: each becomes a Focus Set
    // member in the order given, unsorted; modified when there is at least one; then hint 121.
    void fillWithImported(WineList entries);

    const std::filesystem::path& pathName() const { return m_pathName; }
    // The file name without folder, or "Cellar" for a new document.
    std::string title() const;

    bool isModified() const { return m_modified; }
    // Observers hear of every change of the flag, whoever makes it.
    void setModified(bool modified);

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    int focusCount() const { return m_focusCount; }
    CWine* entry(int index) const;
    CWine* focusEntry(int position) const;
    int focusMember(int position) const { return m_focus[position]; }
    // Length of the Focus Set array, which may exceed the member count.
    int focusCapacity() const { return static_cast<int>(m_focus.size()); }
    const WineList& entries() const { return m_entries; }

    // A new default entry at the end of the entries and of the Focus Set; returns its Focus Set
    // position. Neither marks the document modified nor updates views.
    int addNewEntry();
    // A new entry made by a partial copy of the one at position; marks modified; returns its position,
    // or -1 with nothing added when position names no entry.
    int copyEntry(int position);
    // Destroys the entry at position; the other members keep naming the same entries.
    void deleteEntry(int position, bool markModified);
    // Drops a member from the Focus Set; the entry stays in the document.
    void removeFocusPosition(int position);
    void clearFocusSet();
    // The array grows 10 members at a time as a rebuild appends.
    void appendToFocusSet(int entryIndex);
    // "All Wines": every entry in document order, sorted; then hint 121.
    void selectAllWines();
    // The quick Focus Set commands: every entry that meets the condition, in document order, sorted;
    // then hint 121. The document is not marked modified.
    void selectWines(const std::function<bool(const CWine&)>& condition);
    void selectZeroBottleWines();
    void selectOneOrMoreBottleWines();
    void selectLetterColorWines(int color);
    // The criteria sheet's three methods, each followed by the sort and hint 121; never marks modified.
    // applyFocusCriteria runs the method the criteria name.
    void applyFocusCriteria(const FocusCriteria& criteria);
    void newFocusSet(const FocusCriteria& criteria);
    // Keeps the order of the members that stay (before the sort).
    void removeFromFocusSet(const FocusCriteria& criteria);
    // Appends matching entries that are not members yet, in document order.
    void addToFocusSet(const FocusCriteria& criteria);
    // Every Focus Set member gets the letter colour; marks modified and sends hint 0.
    void setFocusLetterColor(int color);

    SortPrecedence& sortPrecedence() { return m_sortPrecedence; }
    // Sorts, then tells every observer that positions name other entries now.
    void sortFocusSet();

    void addObserver(CDocObserver* observer);
    void removeObserver(CDocObserver* observer);
    const std::vector<CDocObserver*>& observers() const { return m_observers; }
    // Every registered observer gets the hint, the sender too (it may ignore it). Observers may
    // remove themselves or others meanwhile; one removed before its turn is skipped.
    void updateAllViews(CDocObserver* sender, int hint);

    const std::filesystem::path& startDirectory() const { return m_startDirectory; }

private:
    void appendMember(int entryIndex, int growBy);
    void focusSetChanged();
    template <typename Visit> void visitObservers(Visit visit);
    std::filesystem::path precedenceFile() const;

    std::filesystem::path m_startDirectory;
    std::filesystem::path m_pathName;
    bool m_modified = false;
    WineList m_entries;
    std::vector<int> m_focus;
    int m_focusCount = 0;
    SortPrecedence m_sortPrecedence;
    std::vector<CDocObserver*> m_observers;
};
