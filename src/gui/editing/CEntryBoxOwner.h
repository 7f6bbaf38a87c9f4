#pragma once

class CBottlewrightDoc;

// What the Entry Box needs of the view that runs it: the document, the selected Focus Set position,
// and the navigation that stores the box into the entry and moves to another one.
class CEntryBoxOwner {
public:
    // The Entry Box buttons' navigation codes.
    enum NavigationCode { Next = 0, Add = 1, Copy = 2, AfterDelete = 3, Previous = 4 };

    virtual ~CEntryBoxOwner() = default;

    virtual CBottlewrightDoc& document() const = 0;
    virtual int selectedEntry() const = 0;
    // Stores the box into the selected entry (except after a delete), moves the selection, sets the
    // box's mode, fills the box again and scrolls to the selection.
    virtual void navigateEntryBox(int code) = 0;
    // The box deleted the selected entry from the document.
    virtual void entryBoxDeletedEntry() = 0;
    // The box removed its last entry and is about to close.
    virtual void redrawAfterEntryBox() = 0;
};
