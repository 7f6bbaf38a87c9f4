#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The toolbar's glyphs, drawn rather than loaded so that both button sizes stay crisp: each glyph is
// laid out on a 16 x 15 grid and snapped to whole pixels at the size asked for.
class ToolbarIcons {
public:
    static constexpr QSize kSmall{16, 15};
    static constexpr QSize kLarge{24, 22};

    // Both sizes of the glyph of a toolbar command; a null icon for a command without one.
    static QIcon icon(int commandId);
    static QPixmap pixmap(int commandId, QSize size);

    // The program's own icon: a bottle of red wine.
    static QIcon applicationIcon();
    static QPixmap applicationPixmap(int size);
};
