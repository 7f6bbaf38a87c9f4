#pragma once

#include "core/document/CDocObserver.h"
#include "gui/views/ViewKind.h"

#include <QWidget>

class CBottlewrightDoc;

// A window of the Working File whose contents are still to come: it shows its caption and the size of
// the Focus Set, and repaints on every update.
class CPlaceholderView : public QWidget, public CDocObserver {
    Q_OBJECT
public:
    CPlaceholderView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent = nullptr);
    ~CPlaceholderView() override;

    ViewKind kind() const { return m_kind; }
    CBottlewrightDoc& document() const { return m_document; }

    void onUpdate(CDocObserver* sender, UpdateHint hint) override;

    // The line shown under the caption, e.g. "64 wines in the Focus Set".
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CBottlewrightDoc& m_document;
    ViewKind m_kind;
};
