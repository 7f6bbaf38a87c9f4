#pragma once

class CBottlewrightDoc;

// The update hints a document sends to its views.
enum UpdateHint : int {
    HintLetterColors = 0,     // letter colours changed in bulk
    HintColumns = 111,        // one Entry List pane changed its column table
    HintFieldNames = 112,     // field names changed
    HintPrinter = 113,        // printer settings changed
    HintFocusSet = 121,       // entries or the Focus Set changed
    HintResorted = 127,       // Focus Set re-sorted by a new precedence
    HintGraphAppearance = 128 // apply one graph's appearance to all graphs
};

// A view of the Working File. Views subscribe to the document and learn of every change through
// onUpdate; they never poll.
class CDocObserver {
public:
    virtual ~CDocObserver() = default;

    // sender is the view that caused the change, or nullptr when the document itself did.
    virtual void onUpdate(CDocObserver* sender, UpdateHint hint) = 0;

    // The Focus Set was sorted: positions no longer name the same entries.
    virtual void onFocusSetSorted() {}

    // The document's modified flag changed.
    virtual void onModifiedChanged(bool) {}

    // The entry at a Focus Set position changed how it looks (its letter colour) and nothing else.
    virtual void onEntryRecolored(CDocObserver* /*sender*/, int /*position*/) {}
};
