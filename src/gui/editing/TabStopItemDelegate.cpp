#include "gui/editing/TabStopItemDelegate.h"

#include <utility>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

TabStopItemDelegate::TabStopItemDelegate(QList<int> stopsInDialogUnits, QObject* parent)
    : QStyledItemDelegate(parent), m_stops(std::move(stopsInDialogUnits)) {}

QList<qreal> TabStopItemDelegate::stopPixels(const QFontMetrics& metrics) const {
    QList<qreal> pixels;
    for (int stop : m_stops)
        pixels.append(stop * metrics.averageCharWidth() / 4);
    return pixels;
}

int TabStopItemDelegate::textMargin() {
    return 3;
}

void TabStopItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    const QString text = background.text;
    background.text.clear();
    const QStyle* style = background.widget != nullptr ? background.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, background.widget);

    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabArray(stopPixels(option.fontMetrics));
    const QPalette::ColorRole role =
        option.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(role));
    painter->drawText(QRectF(option.rect.adjusted(textMargin(), 0, 0, 0)), text, layout);
    painter->restore();
}

QSize TabStopItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QList<int> tabArray; // ended by 0
    for (qreal stop : stopPixels(option.fontMetrics))
        tabArray.append(static_cast<int>(stop));
    tabArray.append(0);
    const QString text = index.data(Qt::DisplayRole).toString();
    const int width =
        option.fontMetrics.size(Qt::TextSingleLine | Qt::TextExpandTabs, text, 0, tabArray.data()).width();
    size.setWidth(width + 2 * textMargin());
    return size;
}
