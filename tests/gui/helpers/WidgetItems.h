#pragma once

#include <QComboBox>
#include <QStringList>

// The texts of a combo box's items, in order.
inline QStringList comboItems(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}
