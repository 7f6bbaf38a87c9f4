#pragma once

#include "app/ViewKind.h"
#include "document/CDocObserver.h"

#include <QWidget>

class CBottlewrightDoc;

// A bar graph of the Focus Set. For now it shows its caption and the size of the Focus Set; the
// graph kinds derive from it, so "any graph window" means any window holding one of these.
class CBarGraphView : public QWidget, public CDocObserver {
    Q_OBJECT
public:
    CBarGraphView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent = nullptr);
    ~CBarGraphView() override;

    ViewKind kind() const { return m_kind; }
    CBottlewrightDoc& document() const { return m_document; }

    void onUpdate(CDocObserver* sender, int hint) override;

    // The line shown under the caption, e.g. "64 wines in the Focus Set".
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CBottlewrightDoc& m_document;
    ViewKind m_kind;
};
