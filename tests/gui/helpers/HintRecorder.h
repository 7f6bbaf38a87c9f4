#pragma once

#include "core/document/CBottlewrightDoc.h"

#include <QList>

// Records every update hint a document sends while it lives.
class HintRecorder : public CDocObserver {
public:
    explicit HintRecorder(CBottlewrightDoc& document) : m_document(document) { m_document.addObserver(this); }
    ~HintRecorder() override { m_document.removeObserver(this); }
    void onUpdate(CDocObserver*, UpdateHint hint) override { hints.append(hint); }

    QList<int> hints;

private:
    CBottlewrightDoc& m_document;
};
