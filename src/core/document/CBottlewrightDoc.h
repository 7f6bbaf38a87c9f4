#pragma once

#include "core/document/CDocObserver.h"
#include "core/document/FocusCriteria.h"
#include "core/document/SortPrecedence.h"
#include "core/editing/EntryBoxValues.h"
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
    // What the user is told once after a successful open (bytes after the last entry that a save will
    // not keep), or an empty string.
    std::string openNote() const;
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
    CWine* entry(int index) const {
        return index >= 0 && index < entryCount() ? m_entries[static_cast<std::size_t>(index)].get()
                                                  : nullptr;
    }
    CWine* focusEntry(int position) const {
        return position >= 0 && position < m_focusCount
                   ? m_entries[static_cast<std::size_t>(m_focus[static_cast<std::size_t>(position)])].get()
                   : nullptr;
    }
    // The Focus Set's entries in Focus Set order, for what walks or writes them all.
    std::vector<const CWine*> focusEntries() const;
    int focusMember(int position) const { return m_focus[position]; }
    const WineList& entries() const { return m_entries; }

    // A new default entry at the end of the entries and of the Focus Set; returns its Focus Set
    // position. Neither marks the document modified nor updates views.
    int addNewEntry();
    // A new entry made by a partial copy of the one at position; marks modified; returns its position,
    // or -1 with nothing added when position names no entry.
    int copyEntry(int position);
    // The user deletes the entry at position: marks modified; the other members keep naming the same
    // entries.
    void deleteEntry(int position);
    // An added or copied entry whose Entry Box was cancelled goes again, unnoticed.
    void discardNewEntry(int position);

    // The Entry Box's store. A box holding no significant information is not stored but answered with
    // NullEntry, so that the user can be asked: then removeNullEntry, or store again with keepNullEntry
    // (which marks modified). An unmodified document compares first and stores only a difference; a
    // modified one stores at once. Storing stamps Date Modified.
    enum class EntryStore { Unchanged, Stored, NullEntry };
    EntryStore storeEntryValues(int position, const EntryBoxValues& values, bool keepNullEntry = false);
    // Removes the entry of a null Entry Box without marking the document modified.
    void removeNullEntry(int position);
    // The Entry Box closed: when it changed entries, every observer but sender hears hint 121.
    void finishEntryEditing(CDocObserver* sender);

    // Drops a member from the Focus Set (the entry stays in the document); observers but sender hear
    // hint 121.
    void removeFocusMember(CDocObserver* sender, int position);
    // One entry's letter colour; marks modified.
    void setLetterColor(CDocObserver* sender, int position, int color);

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

    // Find and Replace: replaces the first occurrence of findWhat in the field (an empty findWhat fills
    // an empty field) of one Focus Set entry, or of every one. A replacement marks the document
    // modified and sends hint 121 from sender; returns whether, or in how many entries, it replaced.
    bool replaceInFocusEntry(int position, int field, const std::string& findWhat,
                             const std::string& replaceWith, CDocObserver* sender);
    int replaceInFocusSet(int field, const std::string& findWhat, const std::string& replaceWith,
                          CDocObserver* sender);

    SortPrecedence& sortPrecedence() { return m_sortPrecedence; }
    // Sorts, then tells every observer that positions name other entries now.
    void sortFocusSet();
    // Sorts by a precedence the user has just chosen, then hint 127.
    void resortByNewPrecedence();

    // Notifications of changes made outside the entries, each with its hint: an Entry List pane's
    // column table (111, from that pane), the field names (112) and the printer settings (113).
    void columnsChanged(CDocObserver* sender);
    void fieldNamesChanged();
    void printerChanged();

    void addObserver(CDocObserver* observer);
    void removeObserver(CDocObserver* observer);
    const std::vector<CDocObserver*>& observers() const { return m_observers; }
    // Every graph takes the appearance of the sending graph, then redraws (hint 128).
    void applyGraphAppearanceToAll(CDocObserver* sender);

    const std::filesystem::path& startDirectory() const { return m_startDirectory; }

private:
    friend class DocumentTestAccess;

    // Every registered observer gets the hint, the sender too (it may ignore it). Observers may
    // remove themselves or others meanwhile; one removed before its turn is skipped.
    void updateAllViews(CDocObserver* sender, UpdateHint hint);
    // Length of the Focus Set array, which may exceed the member count.
    int focusCapacity() const { return static_cast<int>(m_focus.size()); }
    void removeFocusPosition(int position);
    void removeEntry(int position);
    void clearFocusSet();
    // The array grows 10 members at a time as a rebuild appends.
    void appendToFocusSet(int entryIndex);
    void appendMember(int entryIndex, int growBy);
    void focusSetChanged();
    template <typename Visit> void visitObservers(Visit visit);
    std::filesystem::path precedenceFile() const;

    std::filesystem::path m_startDirectory;
    std::filesystem::path m_pathName;
    std::uint64_t m_trailingBytes = 0;
    bool m_modified = false;
    bool m_entriesEdited = false; // by the Entry Box on show
    WineList m_entries;
    std::vector<int> m_focus;
    int m_focusCount = 0;
    SortPrecedence m_sortPrecedence;
    std::vector<CDocObserver*> m_observers;
};
