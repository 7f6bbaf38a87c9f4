#include "PlaceholderPainter.h"

#include <QPainter>
#include <QWidget>

QString focusSetSummary(int count) {
    if (count == 0)
        return QStringLiteral("No wines in the Focus Set");
    if (count == 1)
        return QStringLiteral("1 wine in the Focus Set");
    return QStringLiteral("%1 wines in the Focus Set").arg(count);
}

void paintPlaceholder(QWidget& view, const QString& caption, const QString& summary) {
    QPainter painter(&view);
    QFont title = view.font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    const QFontMetrics titleMetrics(title);
    const QFontMetrics textMetrics(view.font());
    const int height = titleMetrics.height() + textMetrics.height() / 2 + textMetrics.height();
    QRect area = view.rect();
    area.setTop((view.height() - height) / 2);

    painter.setFont(title);
    painter.setPen(view.palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, caption);
    area.setTop(area.top() + titleMetrics.height() + textMetrics.height() / 2);
    painter.setFont(view.font());
    painter.setPen(view.palette().color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, summary);
}
