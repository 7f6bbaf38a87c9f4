#pragma once

#include <memory>

#include <QPointer>
#include <QRubberBand>
#include <QWidget>

// The small box at the left end of an unsplit Entry List's horizontal scroll bar. Dragging it shows a
// tracking line and splits the window where it is let go; a double-click splits it in the middle.
class CSplitBox : public QWidget {
    Q_OBJECT
public:
    // Positions are reported in the coordinates of area, the widget that is split.
    explicit CSplitBox(QWidget* area, QWidget* parent = nullptr);

    QSize sizeHint() const override;

Q_SIGNALS:
    // x is where the second pane should begin, or -1 for the middle.
    void splitRequested(int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int trackedX(const QMouseEvent* event) const;

    QPointer<QWidget> m_area;
    std::unique_ptr<QRubberBand> m_tracker; // a window of its own: a child would join the panes
    QPoint m_pressedAt;
    bool m_tracking = false;
};
