#pragma once

#include "core/document/CBottlewrightDoc.h"

#include <vector>

// Lets tests set up a Focus Set and look at the document's raw array, which the program itself changes
// only through the document's operations.
class DocumentTestAccess {
public:
    static void setFocusMembers(CBottlewrightDoc& doc, const std::vector<int>& members) {
        doc.clearFocusSet();
        for (const int member : members)
            doc.appendToFocusSet(member);
    }
    static void appendToFocusSet(CBottlewrightDoc& doc, int entryIndex) { doc.appendToFocusSet(entryIndex); }
    static int focusCapacity(const CBottlewrightDoc& doc) { return doc.focusCapacity(); }
    static void removeFocusPosition(CBottlewrightDoc& doc, int position) {
        doc.removeFocusPosition(position);
    }
    // The entry index of each Focus Set position, in Focus Set order.
    static std::vector<int> focusMembers(const CBottlewrightDoc& doc) {
        std::vector<int> members;
        for (int position = 0; position < doc.focusCount(); ++position)
            members.push_back(doc.focusMember(position));
        return members;
    }
    static void notify(CBottlewrightDoc& doc, CDocObserver* sender, UpdateHint hint) {
        doc.updateAllViews(sender, hint);
    }
};
