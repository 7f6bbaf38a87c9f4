#pragma once

#include "document/CDocObserver.h"

#include <QWidget>

class CBottlewrightDoc;

// The changes of bottles, cost and value of the Focus Set, newest first.
// For now it shows its caption and the size of the Focus Set.
class CHistoryListView : public QWidget, public CDocObserver {
    Q_OBJECT
public:
    explicit CHistoryListView(CBottlewrightDoc& document, QWidget* parent = nullptr);
    ~CHistoryListView() override;

    CBottlewrightDoc& document() const { return m_document; }

    void onUpdate(CDocObserver* sender, int hint) override;
    QString summary() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CBottlewrightDoc& m_document;
};
