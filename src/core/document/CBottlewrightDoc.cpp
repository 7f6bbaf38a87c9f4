#include "core/document/CBottlewrightDoc.h"

#include "core/document/EntryReplace.h"
#include "core/model/SmallFiles.h"

#include <algorithm>

namespace {
constexpr const char* kNewDocumentTitle = "Cellar";
constexpr int kRebuildGrowth = 10;
} // namespace

template <typename Visit> void CBottlewrightDoc::visitObservers(Visit visit) {
    // A snapshot, so that an observer may unsubscribe (itself or another) while the call goes round.
    const std::vector<CDocObserver*> observers = m_observers;
    for (CDocObserver* observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
            visit(observer);
    }
}

CBottlewrightDoc::CBottlewrightDoc(std::filesystem::path startDirectory)
    : m_startDirectory(std::move(startDirectory)) {
    if (!m_sortPrecedence.read(precedenceFile()))
        m_sortPrecedence.clear();
}

CBottlewrightDoc::~CBottlewrightDoc() {
    m_sortPrecedence.write(precedenceFile()); // a failure to write goes unreported
}

std::filesystem::path CBottlewrightDoc::precedenceFile() const {
    return m_startDirectory / SmallFiles::kSortPrecedence;
}

std::string CBottlewrightDoc::open(const std::filesystem::path& path) {
    CellarReadResult result = CellarFile::load(path);
    if (!result.ok())
        return result.error;
    m_entries = std::move(result.entries);
    m_trailingBytes = result.trailingBytes;
    m_pathName = path;
    setModified(false);
    selectAllWines();
    return {};
}

std::string CBottlewrightDoc::openNote() const {
    return CellarFile::trailingBytesNote(m_trailingBytes);
}

void CBottlewrightDoc::fillWithImported(WineList entries) {
    m_entries = std::move(entries);
    m_pathName.clear();
    clearFocusSet();
    for (int index = 0; index < entryCount(); ++index)
        appendToFocusSet(index);
    if (!m_entries.empty())
        setModified(true);
    updateAllViews(nullptr, HintFocusSet);
}

std::string CBottlewrightDoc::save() {
    return saveAs(m_pathName);
}

std::string CBottlewrightDoc::saveAs(const std::filesystem::path& path) {
    std::string error = CellarFile::save(path, m_entries);
    if (error.empty()) {
        m_pathName = path;
        setModified(false);
    }
    return error;
}

std::string CBottlewrightDoc::title() const {
    if (m_pathName.empty())
        return kNewDocumentTitle;
    return m_pathName.filename().string();
}

std::vector<const CWine*> CBottlewrightDoc::focusEntries() const {
    std::vector<const CWine*> entries;
    entries.reserve(static_cast<std::size_t>(m_focusCount));
    for (int position = 0; position < m_focusCount; ++position)
        entries.push_back(focusEntry(position));
    return entries;
}

void CBottlewrightDoc::appendMember(int entryIndex, int growBy) {
    if (m_focusCount == focusCapacity())
        m_focus.resize(m_focus.size() + growBy);
    m_focus[m_focusCount++] = entryIndex;
}

int CBottlewrightDoc::addNewEntry() {
    m_entries.push_back(std::make_unique<CWine>());
    appendMember(entryCount() - 1, 1);
    return m_focusCount - 1;
}

int CBottlewrightDoc::copyEntry(int position) {
    if (focusEntry(position) == nullptr)
        return -1;
    const int copy = addNewEntry();
    focusEntry(copy)->copyFrom(*focusEntry(position), false);
    setModified(true);
    return copy;
}

void CBottlewrightDoc::deleteEntry(int position) {
    if (focusEntry(position) == nullptr)
        return;
    setModified(true);
    removeEntry(position);
    m_entriesEdited = true;
}

void CBottlewrightDoc::discardNewEntry(int position) {
    removeEntry(position);
}

void CBottlewrightDoc::removeNullEntry(int position) {
    if (focusEntry(position) == nullptr)
        return;
    removeEntry(position);
    m_entriesEdited = true;
}

void CBottlewrightDoc::removeEntry(int position) {
    if (focusEntry(position) == nullptr)
        return;
    const int removed = m_focus[position];
    removeFocusPosition(position);
    m_entries.erase(m_entries.begin() + removed);
    for (int i = 0; i < m_focusCount; ++i) {
        if (m_focus[i] >= removed)
            --m_focus[i];
    }
}

CBottlewrightDoc::EntryStore CBottlewrightDoc::storeEntryValues(int position, const EntryBoxValues& values,
                                                                bool keepNullEntry) {
    CWine* wine = focusEntry(position);
    if (wine == nullptr)
        return EntryStore::Unchanged;
    if (values.holdsNoSignificantInformation()) {
        if (!keepNullEntry)
            return EntryStore::NullEntry;
        setModified(true);
    }
    if (!m_modified) {
        if (!values.differsFrom(*wine))
            return EntryStore::Unchanged;
        setModified(true);
    }
    values.storeInto(*wine);
    m_entriesEdited = true;
    return EntryStore::Stored;
}

void CBottlewrightDoc::finishEntryEditing(CDocObserver* sender) {
    if (!m_entriesEdited)
        return;
    m_entriesEdited = false;
    updateAllViews(sender, HintFocusSet);
}

void CBottlewrightDoc::removeFocusMember(CDocObserver* sender, int position) {
    if (position < 0 || position >= m_focusCount)
        return;
    removeFocusPosition(position);
    updateAllViews(sender, HintFocusSet);
}

void CBottlewrightDoc::setLetterColor(CDocObserver* sender, int position, int color) {
    CWine* wine = focusEntry(position);
    if (wine == nullptr)
        return;
    wine->m_nLetterColor = color;
    setModified(true);
    visitObservers(
        [sender, position](CDocObserver* observer) { observer->onEntryRecolored(sender, position); });
}

void CBottlewrightDoc::removeFocusPosition(int position) {
    if (position < 0 || position >= m_focusCount)
        return;
    std::copy(m_focus.begin() + position + 1, m_focus.begin() + m_focusCount, m_focus.begin() + position);
    --m_focusCount;
}

void CBottlewrightDoc::clearFocusSet() {
    m_focusCount = 0;
}

void CBottlewrightDoc::appendToFocusSet(int entryIndex) {
    appendMember(entryIndex, kRebuildGrowth);
}

void CBottlewrightDoc::selectAllWines() {
    clearFocusSet();
    // Room for every entry at once, rather than a list copied over as it grows.
    m_focus.reserve(m_entries.size());
    for (int index = 0; index < entryCount(); ++index)
        appendToFocusSet(index);
    focusSetChanged();
}

void CBottlewrightDoc::focusSetChanged() {
    sortFocusSet();
    updateAllViews(nullptr, HintFocusSet);
}

void CBottlewrightDoc::selectWines(const std::function<bool(const CWine&)>& condition) {
    clearFocusSet();
    for (int index = 0; index < entryCount(); ++index) {
        if (condition(*m_entries[index]))
            appendToFocusSet(index);
    }
    focusSetChanged();
}

void CBottlewrightDoc::selectZeroBottleWines() {
    selectWines([](const CWine& wine) { return wine.m_nNumberRemaining == 0; });
}

void CBottlewrightDoc::selectOneOrMoreBottleWines() {
    selectWines([](const CWine& wine) { return wine.m_nNumberRemaining > 0; });
}

void CBottlewrightDoc::selectLetterColorWines(int color) {
    selectWines([color](const CWine& wine) { return wine.m_nLetterColor == color; });
}

void CBottlewrightDoc::applyFocusCriteria(const FocusCriteria& criteria) {
    switch (criteria.method) {
    case FocusCriteria::NewFocusSet:
        newFocusSet(criteria);
        break;
    case FocusCriteria::RemoveFromFocusSet:
        removeFromFocusSet(criteria);
        break;
    case FocusCriteria::AddToFocusSet:
        addToFocusSet(criteria);
        break;
    }
}

void CBottlewrightDoc::newFocusSet(const FocusCriteria& criteria) {
    selectWines([&criteria](const CWine& wine) { return MatchesCriteria(wine, criteria); });
}

void CBottlewrightDoc::removeFromFocusSet(const FocusCriteria& criteria) {
    // Compacts in place: the same result as removing matching positions from the last to the first.
    int kept = 0;
    for (int position = 0; position < m_focusCount; ++position) {
        if (!MatchesCriteria(*m_entries[m_focus[position]], criteria))
            m_focus[kept++] = m_focus[position];
    }
    m_focusCount = kept;
    focusSetChanged();
}

void CBottlewrightDoc::addToFocusSet(const FocusCriteria& criteria) {
    std::vector<bool> member(m_entries.size(), false);
    for (int position = 0; position < m_focusCount; ++position)
        member[m_focus[position]] = true;
    for (int index = 0; index < entryCount(); ++index) {
        if (!member[index] && MatchesCriteria(*m_entries[index], criteria))
            appendToFocusSet(index);
    }
    focusSetChanged();
}

void CBottlewrightDoc::setFocusLetterColor(int color) {
    for (int position = 0; position < m_focusCount; ++position)
        m_entries[m_focus[position]]->m_nLetterColor = color;
    setModified(true);
    updateAllViews(nullptr, HintLetterColors);
}

bool CBottlewrightDoc::replaceInFocusEntry(int position, int field, const std::string& findWhat,
                                           const std::string& replaceWith, CDocObserver* sender) {
    CWine* wine = focusEntry(position);
    WineText* text = wine != nullptr ? wine->textField(field) : nullptr;
    if (text == nullptr || !EntryReplace::replaceFirst(*text, findWhat, replaceWith))
        return false;
    setModified(true);
    updateAllViews(sender, HintFocusSet);
    return true;
}

int CBottlewrightDoc::replaceInFocusSet(int field, const std::string& findWhat,
                                        const std::string& replaceWith, CDocObserver* sender) {
    int replaced = 0;
    for (int position = 0; position < m_focusCount; ++position) {
        WineText* text = m_entries[m_focus[position]]->textField(field);
        if (text != nullptr && EntryReplace::replaceFirst(*text, findWhat, replaceWith))
            ++replaced;
    }
    if (replaced > 0) {
        setModified(true);
        updateAllViews(sender, HintFocusSet);
    }
    return replaced;
}

void CBottlewrightDoc::sortFocusSet() {
    m_sortPrecedence.sort(m_focus, m_focusCount, m_entries);
    visitObservers([](CDocObserver* observer) { observer->onFocusSetSorted(); });
}

void CBottlewrightDoc::resortByNewPrecedence() {
    sortFocusSet();
    updateAllViews(nullptr, HintResorted);
}

void CBottlewrightDoc::columnsChanged(CDocObserver* sender) {
    updateAllViews(sender, HintColumns);
}

void CBottlewrightDoc::fieldNamesChanged() {
    updateAllViews(nullptr, HintFieldNames);
}

void CBottlewrightDoc::printerChanged() {
    updateAllViews(nullptr, HintPrinter);
}

void CBottlewrightDoc::setModified(bool modified) {
    if (modified == m_modified)
        return;
    m_modified = modified;
    visitObservers([modified](CDocObserver* observer) { observer->onModifiedChanged(modified); });
}

void CBottlewrightDoc::addObserver(CDocObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CBottlewrightDoc::removeObserver(CDocObserver* observer) {
    std::erase(m_observers, observer);
}

void CBottlewrightDoc::updateAllViews(CDocObserver* sender, UpdateHint hint) {
    visitObservers([sender, hint](CDocObserver* observer) { observer->onUpdate(sender, hint); });
}

void CBottlewrightDoc::applyGraphAppearanceToAll(CDocObserver* sender) {
    updateAllViews(sender, HintGraphAppearance);
}
