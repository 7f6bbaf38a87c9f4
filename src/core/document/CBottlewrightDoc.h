#pragma once

#include "CDocObserver.h"
#include "SortPrecedence.h"
#include "model/CellarFile.h"

#include <filesystem>
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
    // Saves to the document's path (or to path, which then becomes the document's path).
    std::string save();
    std::string saveAs(const std::filesystem::path& path);

    const std::filesystem::path& pathName() const { return m_pathName; }
    // The file name without folder, or "Cellar" for a new document.
    std::string title() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    int focusCount() const { return m_focusCount; }
    CWine* entry(int index) const;
    CWine* focusEntry(int position) const;
    int focusMember(int position) const { return m_focus[position]; }
    const WineList& entries() const { return m_entries; }

    int addNewEntry();                            // returns the new entry's Focus Set position
    int copyEntry(int position);                  // partial copy; marks modified; returns its position
    void deleteEntry(int position, bool markModified);
    void removeFocusPosition(int position);
    void clearFocusSet();
    void appendToFocusSet(int entryIndex);
    void selectAllWines(); // every entry, in document order; then sort and hint 121

    SortPrecedence& sortPrecedence() { return m_sortPrecedence; }
    void sortFocusSet();

    void addObserver(CDocObserver* observer);
    void removeObserver(CDocObserver* observer);
    const std::vector<CDocObserver*>& observers() const { return m_observers; }
    void updateAllViews(CDocObserver* sender, int hint);

    const std::filesystem::path& startDirectory() const { return m_startDirectory; }

private:
    std::filesystem::path m_startDirectory;
    std::filesystem::path m_pathName;
    bool m_modified = false;
    WineList m_entries;
    std::vector<int> m_focus;
    int m_focusCount = 0;
    SortPrecedence m_sortPrecedence;
    std::vector<CDocObserver*> m_observers;
};
