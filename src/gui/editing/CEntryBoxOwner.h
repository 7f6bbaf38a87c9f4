#pragma once

#include "core/editing/EntryBoxNavigation.h"

class CBottlewrightDoc;

// What the Entry Box needs of the view that runs it: the document, the selected Focus Set position,
// and the navigation that stores the box into the entry and moves to another one.
class CEntryBoxOwner {
public:
    virtual ~CEntryBoxOwner() = default;

    virtual CBottlewrightDoc& document() const = 0;
    virtual int selectedEntry() const = 0;
    // Stores the box into the selected entry (except after a delete), moves the selection, sets the
    // box's mode, fills the box again and scrolls to the selection.
    virtual void navigateEntryBox(EntryBoxNavigation::Step step) = 0;
    // The box removed its last entry and is about to close.
    virtual void redrawAfterEntryBox() = 0;
};
