#include "gui/common/FontChoice.h"

#include <QFontDialog>
#include <QFontInfo>

namespace {

// Whether two fonts draw alike, whatever names and units they were asked for by.
bool drawsAlike(const QFont& one, const QFont& other) {
    const QFontInfo a(one);
    const QFontInfo b(other);
    return a.family() == b.family() && a.pixelSize() == b.pixelSize() && a.weight() == b.weight() &&
           a.italic() == b.italic();
}

} // namespace

std::optional<QFont> chooseFont(QWidget* parent, const QFont& inUse) {
    // A font asked for by a family the system lacks, or by pixels, would open the dialog on its
    // defaults; the dialog starts on what is actually drawn instead.
    const QFontInfo drawn(inUse);
    QFont shown(drawn.family());
    shown.setPointSizeF(drawn.pointSizeF());
    shown.setWeight(drawn.weight() > 0 ? static_cast<QFont::Weight>(drawn.weight()) : QFont::Normal);
    shown.setItalic(drawn.italic());

    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, shown, parent);
    if (!chosen || drawsAlike(font, inUse))
        return std::nullopt;
    return font;
}
