#include "gui/common/ToolbarIcons.h"

#include "gui/common/CommandId.h"
#include "gui/views/ViewKind.h"

#include <algorithm>
#include <initializer_list>

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(48, 48, 48);
const QColor kPaper(255, 255, 255);
const QColor kRule(150, 160, 175);
const QColor kBlue(52, 101, 164);
const QColor kDarkBlue(28, 55, 100);
const QColor kWine(122, 24, 40);
const QColor kDarkWine(72, 12, 22);
const QColor kGlass(38, 84, 46);
const QColor kGold(214, 170, 52);
const QColor kGreen(46, 139, 46);

// A 16 x 15 design grid mapped onto the pixmap; rectangles and rules snap to whole pixels so that
// edges stay sharp, while slanted shapes are antialiased.
class Canvas {
public:
    Canvas(QPainter& painter, QSize size)
        : m_painter(painter), m_sx(size.width() / 16.0), m_sy(size.height() / 15.0) {}

    QRect rect(qreal u, qreal v, qreal w, qreal h) const {
        const int left = x(u);
        const int top = y(v);
        return QRect(left, top, std::max(1, x(u + w) - left), std::max(1, y(v + h) - top));
    }
    QPointF point(qreal u, qreal v) const { return {u * m_sx, v * m_sy}; }
    qreal scale() const { return std::min(m_sx, m_sy); }

    void fill(qreal u, qreal v, qreal w, qreal h, const QColor& color) {
        m_painter.fillRect(rect(u, v, w, h), color);
    }
    // A filled rectangle with a one-pixel edge.
    void box(qreal u, qreal v, qreal w, qreal h, const QColor& inside, const QColor& edge) {
        const QRect r = rect(u, v, w, h);
        m_painter.fillRect(r, edge);
        m_painter.fillRect(r.adjusted(1, 1, -1, -1), inside);
    }
    void hline(qreal u1, qreal u2, qreal v, const QColor& color) {
        m_painter.fillRect(QRect(x(u1), y(v), std::max(1, x(u2) - x(u1)), 1), color);
    }
    void vline(qreal u, qreal v1, qreal v2, const QColor& color) {
        m_painter.fillRect(QRect(x(u), y(v1), 1, std::max(1, y(v2) - y(v1))), color);
    }
    void polygon(std::initializer_list<QPointF> points, const QColor& inside, const QColor& edge) {
        QPolygonF shape;
        for (const QPointF& p : points)
            shape << point(p.x(), p.y());
        smooth([&] {
            m_painter.setPen(edge.isValid() ? QPen(edge, 1.0) : QPen(Qt::NoPen));
            m_painter.setBrush(inside.isValid() ? QBrush(inside) : QBrush(Qt::NoBrush));
            m_painter.drawPolygon(shape);
        });
    }
    void ellipse(qreal u, qreal v, qreal w, qreal h, const QColor& inside, const QColor& edge,
                 qreal edgeWidth = 1.0) {
        smooth([&] {
            m_painter.setPen(edge.isValid() ? QPen(edge, edgeWidth) : QPen(Qt::NoPen));
            m_painter.setBrush(inside.isValid() ? QBrush(inside) : QBrush(Qt::NoBrush));
            m_painter.drawEllipse(QRectF(point(u, v), point(u + w, v + h)));
        });
    }
    // A stroke whose width is given in grid units.
    void stroke(std::initializer_list<QPointF> points, qreal width, const QColor& color) {
        QPolygonF line;
        for (const QPointF& p : points)
            line << point(p.x(), p.y());
        smooth([&] {
            m_painter.setPen(QPen(color, width * scale(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawPolyline(line);
        });
    }
    void path(const QPainterPath& shape, const QColor& inside, const QColor& edge) {
        smooth([&] {
            m_painter.setPen(edge.isValid() ? QPen(edge, 1.0) : QPen(Qt::NoPen));
            m_painter.setBrush(inside);
            m_painter.drawPath(shape);
        });
    }
    void text(qreal u, qreal v, qreal w, qreal h, const QString& glyph, const QColor& color) {
        QFont font;
        font.setBold(true);
        font.setPixelSize(std::max(8, rect(u, v, w, h).height() * 9 / 10));
        smooth([&] {
            m_painter.setFont(font);
            m_painter.setPen(color);
            m_painter.drawText(rect(u, v, w, h), Qt::AlignCenter, glyph);
        });
    }

    // A bottle standing in the given cell of the grid.
    QPainterPath bottle(qreal u, qreal v, qreal w, qreal h) const {
        const qreal neck = w * 0.36;
        const qreal cx = u + w / 2;
        const qreal shoulder = v + h * 0.36;
        const qreal body = v + h * 0.55;
        QPainterPath shape;
        shape.moveTo(point(cx - neck / 2, v));
        shape.lineTo(point(cx + neck / 2, v));
        shape.lineTo(point(cx + neck / 2, shoulder));
        shape.cubicTo(point(u + w, shoulder + h * 0.05), point(u + w, body - h * 0.08), point(u + w, body));
        shape.lineTo(point(u + w, v + h));
        shape.lineTo(point(u, v + h));
        shape.lineTo(point(u, body));
        shape.cubicTo(point(u, body - h * 0.08), point(cx - neck / 2 - 0.0, shoulder + h * 0.05),
                      point(cx - neck / 2, shoulder));
        shape.closeSubpath();
        return shape;
    }

private:
    int x(qreal u) const { return qRound(u * m_sx); }
    int y(qreal v) const { return qRound(v * m_sy); }

    template <class Draw> void smooth(Draw draw) {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        draw();
        m_painter.restore();
    }

    QPainter& m_painter;
    qreal m_sx;
    qreal m_sy;
};

void drawOpen(Canvas& c) {
    c.box(1, 2, 5, 2, QColor(232, 184, 60), QColor(138, 100, 20));
    c.box(1, 3, 11, 10, QColor(232, 184, 60), QColor(138, 100, 20));
    c.polygon({{3.5, 6.5}, {15.5, 6.5}, {12.5, 13}, {0.5, 13}}, QColor(250, 222, 130), QColor(138, 100, 20));
}

void drawSave(Canvas& c) {
    c.box(1, 1, 14, 13, kBlue, kDarkBlue);
    c.box(3.5, 1, 9, 6.5, kPaper, kDarkBlue);
    c.hline(5, 11, 3, kRule);
    c.hline(5, 11, 5, kRule);
    c.box(4.5, 9.5, 7, 4.5, QColor(205, 210, 215), kDarkBlue);
    c.fill(9, 10.5, 1.5, 2.5, kDarkBlue);
}

void drawEntryList(Canvas& c) {
    c.box(0.5, 1, 15, 13, kPaper, kInk);
    c.fill(1.5, 2, 13, 2.5, kBlue);
    for (qreal v : {6.5, 9.0, 11.5})
        c.hline(1.5, 14.5, v, kRule);
    c.vline(5.5, 4.5, 13, kRule);
    c.vline(10.5, 4.5, 13, kRule);
    c.fill(1.5, 6.8, 4, 2, QColor(190, 30, 40));
}

void drawHistoryList(Canvas& c) {
    c.box(1, 0.5, 10, 14, kPaper, kInk);
    for (qreal v : {3.0, 5.0, 7.0, 9.0})
        c.hline(3, 9, v, kRule);
    c.ellipse(7.5, 6.5, 8, 8, QColor(255, 248, 220), kDarkBlue, 1.0);
    c.stroke({{11.5, 8.2}, {11.5, 10.5}, {13.5, 10.5}}, 1.0, kDarkBlue);
}

void drawBinList(Canvas& c) {
    c.box(0.5, 0.5, 15, 14, QColor(168, 112, 58), QColor(92, 56, 24));
    const QColor ends[] = {kGlass, kWine, kGlass, kWine, kGlass, kGlass, kGlass, kWine, kGlass};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            c.ellipse(1.6 + column * 4.4, 1.6 + row * 4.2, 3.6, 3.6, ends[row * 3 + column],
                      QColor(30, 20, 10));
    }
}

void drawNextGraph(Canvas& c) {
    c.fill(1, 7, 3, 7, kWine);
    c.fill(5, 3, 3, 11, kBlue);
    c.fill(9, 9, 3, 5, kGreen);
    c.hline(0, 16, 14, kInk);
    c.polygon({{12, 1}, {15.5, 3.75}, {12, 6.5}}, kInk, kInk);
}

void drawSortPrecedence(Canvas& c) {
    c.fill(0.5, 1.5, 9, 2.5, kDarkBlue);
    c.fill(0.5, 6.25, 6.5, 2.5, kBlue);
    c.fill(0.5, 11, 4, 2.5, QColor(110, 150, 205));
    c.fill(11.75, 0.5, 1.5, 10, kInk);
    c.polygon({{9.5, 9.5}, {15.5, 9.5}, {12.5, 14.5}}, kInk, kInk);
}

void drawSpecifyFocusSet(Canvas& c) {
    c.polygon({{0.5, 1}, {15.5, 1}, {9.5, 7.5}, {9.5, 12.5}, {6.5, 14.5}, {6.5, 7.5}}, QColor(90, 150, 215),
              kDarkBlue);
    c.hline(2.5, 13.5, 2.5, QColor(200, 225, 250));
}

void drawAllWines(Canvas& c) {
    c.path(c.bottle(0.5, 0.5, 4.5, 14), kWine, kDarkWine);
    c.path(c.bottle(5.75, 0.5, 4.5, 14), QColor(222, 196, 92), QColor(130, 104, 20));
    c.path(c.bottle(11, 0.5, 4.5, 14), kGlass, QColor(16, 40, 20));
}

void drawStatistics(Canvas& c) {
    c.stroke({{13, 4}, {13, 1.5}, {2.5, 1.5}, {8, 7.5}, {2.5, 13.5}, {13, 13.5}, {13, 11}}, 2.0, kDarkBlue);
}

void drawMagnifier(Canvas& c, qreal u, qreal v, qreal size) {
    const qreal lens = size * 0.62;
    c.stroke({{u + lens * 0.85, v + lens * 0.85}, {u + size, v + size}}, size / 5, QColor(96, 64, 32));
    c.ellipse(u, v, lens, lens, QColor(205, 232, 250), kInk, 1.0);
}

void drawFind(Canvas& c) {
    drawMagnifier(c, 1, 0.5, 14.5);
}

void drawFindPrevious(Canvas& c) {
    drawMagnifier(c, 5, 0.5, 10.5);
    c.fill(1.5, 6, 2, 8.5, kGreen);
    c.polygon({{-0.2, 6.5}, {5.2, 6.5}, {2.5, 2.5}}, kGreen, kGreen);
}

void drawFindNext(Canvas& c) {
    drawMagnifier(c, 5, 0.5, 10.5);
    c.fill(1.5, 0.5, 2, 8.5, kGreen);
    c.polygon({{-0.2, 8.5}, {5.2, 8.5}, {2.5, 12.5}}, kGreen, kGreen);
}

void drawAddEntry(Canvas& c) {
    c.path(c.bottle(1, 0.5, 6, 14), kWine, kDarkWine);
    c.fill(2, 9, 4, 3, QColor(240, 230, 200));
    c.box(10.5, 5.5, 3, 9, kGreen, QColor(20, 80, 20));
    c.box(7.5, 8.5, 9, 3, kGreen, QColor(20, 80, 20));
    c.fill(11.5, 9.5, 1, 1, kGreen);
}

void drawPrint(Canvas& c) {
    c.box(3.5, 0.5, 9, 6, kPaper, kInk);
    c.box(0.5, 5, 15, 6.5, QColor(176, 180, 188), kInk);
    c.fill(12, 6.5, 1.5, 1.5, kGreen);
    c.box(3.5, 9, 9, 5.5, kPaper, kInk);
    c.hline(5, 11, 11, kRule);
    c.hline(5, 11, 12.5, kRule);
}

void drawHelpContents(Canvas& c) {
    c.ellipse(0.75, 0.25, 14.5, 14.5, QColor(52, 110, 200), kDarkBlue, 1.0);
    c.text(0.75, 0.75, 14.5, 14, QStringLiteral("?"), kPaper);
}

using Draw = void (*)(Canvas&);

Draw glyphOf(int commandId) {
    using namespace CommandId;
    switch (commandId) {
    case Open:
        return drawOpen;
    case Save:
        return drawSave;
    case NextGraph:
        return drawNextGraph;
    case CommandId::SortPrecedence:
        return drawSortPrecedence;
    case SpecifyFocusSet:
        return drawSpecifyFocusSet;
    case AllWines:
        return drawAllWines;
    case ShowStatistics:
        return drawStatistics;
    case FindPrevious:
        return drawFindPrevious;
    case Find:
        return drawFind;
    case FindNext:
        return drawFindNext;
    case AddEntry:
        return drawAddEntry;
    case Print:
        return drawPrint;
    case HelpContents:
        return drawHelpContents;
    default:
        break;
    }
    if (commandId == viewKindInfo(ViewKind::EntryList).command)
        return drawEntryList;
    if (commandId == viewKindInfo(ViewKind::HistoryList).command)
        return drawHistoryList;
    if (commandId == viewKindInfo(ViewKind::BinList).command)
        return drawBinList;
    return nullptr;
}

} // namespace

QPixmap ToolbarIcons::pixmap(int commandId, QSize size) {
    const Draw draw = glyphOf(commandId);
    if (draw == nullptr)
        return {};
    QPixmap image(size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Canvas canvas(painter, size);
    draw(canvas);
    return image;
}

QIcon ToolbarIcons::icon(int commandId) {
    if (glyphOf(commandId) == nullptr)
        return {};
    QIcon both;
    both.addPixmap(pixmap(commandId, kSmall));
    both.addPixmap(pixmap(commandId, kLarge));
    return both;
}

QPixmap ToolbarIcons::applicationPixmap(int size) {
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Canvas c(painter, QSize(size, size * 15 / 16));
    c.path(c.bottle(4.5, 0.3, 7, 14.4), kGlass, QColor(14, 36, 18));
    c.fill(6.9, 0.3, 2.2, 3.2, kWine);
    c.box(5.1, 8, 5.8, 4.2, QColor(246, 238, 214), QColor(150, 120, 60));
    c.hline(6, 10, 9.5, kWine);
    c.hline(6.5, 9.5, 10.8, QColor(150, 120, 60));
    c.stroke({{5.6, 6.5}, {5.6, 13.5}}, 0.5, QColor(120, 170, 120, 160));
    return image;
}

QIcon ToolbarIcons::applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationPixmap(size));
    return icon;
}
