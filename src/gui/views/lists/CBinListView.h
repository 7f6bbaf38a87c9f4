#pragma once

#include "document/CDocObserver.h"

#include <QWidget>

class CBottlewrightDoc;

// The bins of the cellar and the bottles in them.
// For now it shows its caption and the size of the Focus Set.
class CBinListView : public QWidget, public CDocObserver {
    Q_OBJECT
public:
    explicit CBinListView(CBottlewrightDoc& document, QWidget* parent = nullptr);
    ~CBinListView() override;

    CBottlewrightDoc& document() const { return m_document; }

    void onUpdate(CDocObserver* sender, int hint) override;
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CBottlewrightDoc& m_document;
};
