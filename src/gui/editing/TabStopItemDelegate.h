#pragma once

#include <QList>
#include <QStyledItemDelegate>

class QFontMetrics;

// Paints list items whose fields are separated by tabs, each field starting at its tab stop, the way
// a list box with tab stops shows them. Stops are given in dialog units, a quarter of the font's
// average character width each.
class TabStopItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TabStopItemDelegate(QList<int> stopsInDialogUnits, QObject* parent = nullptr);

    // The stops in pixels for the font.
    QList<qreal> stopPixels(const QFontMetrics& metrics) const;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Room left of the first field inside an item.
    static int textMargin();

    QList<int> m_stops;
};
