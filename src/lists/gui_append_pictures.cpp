#include "lists/gui_append_pictures.h"

#include "widgets/gui_painted_icon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tsl {

namespace {

constexpr int Size = 32;

QPixmap blank(int size = Size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A page with a folded corner and three lines of text, its top left at x, y.
void drawPage(QPainter& p, qreal x, qreal y)
{
    const qreal w = 16, h = 20, fold = 5;
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + w - fold, y);
    page.lineTo(x + w, y + fold);
    page.lineTo(x + w, y + h);
    page.lineTo(x, y + h);
    page.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(x + w - fold, y), QPointF(x + w - fold, y + fold));
    p.drawLine(QPointF(x + w - fold, y + fold), QPointF(x + w, y + fold));
    p.setPen(QPen(Qt::darkGray, 1));
    for (int line = 0; line < 3; ++line)
        p.drawLine(QPointF(x + 3, y + 8 + 4 * line), QPointF(x + w - 3, y + 8 + 4 * line));
}

QPixmap single()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawPage(p, 8.5, 6.5);
    return pixmap;
}

QPixmap several()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawPage(p, 2.5, 1.5);
    drawPage(p, 7.5, 5.5);
    drawPage(p, 12.5, 9.5);
    return pixmap;
}

QPixmap dropAllowed()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 110, 0), 2));
    p.setBrush(QColor(190, 240, 190));
    p.drawRoundedRect(QRectF(4, 18, 24, 11), 2, 2);  // the tray the files go into
    p.setBrush(QColor(0, 150, 0));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13, 2, 6, 10));
    p.drawPolygon(QPolygonF({QPointF(7, 11), QPointF(25, 11), QPointF(16, 22)}));
    return pixmap;
}

QPixmap noDrop()
{
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 0, 0), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
    return pixmap;
}

QPolygonF arrowHead(qreal cx, qreal top, qreal width, qreal height, bool up)
{
    if (up)
        return QPolygonF({QPointF(cx, top), QPointF(cx + width / 2, top + height),
                          QPointF(cx - width / 2, top + height)});
    return QPolygonF(
        {QPointF(cx, top + height), QPointF(cx + width / 2, top), QPointF(cx - width / 2, top)});
}

}  // namespace

QHash<QString, QPixmap> drawDragPictures()
{
    return {
        {QStringLiteral("Sing"), single()},
        {QStringLiteral("Mult"), several()},
        {QStringLiteral("Drop"), dropAllowed()},
        {QStringLiteral("NoDrop"), noDrop()},
    };
}

QIcon drawOrderIcon(bool up, const QPalette& palette)
{
    return paintedIcon(
        [up](QPainter& p, const QColor& colour) {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPolygon(arrowHead(8, up ? 1 : 7, 12, 8, up));
            p.drawRect(QRectF(5.5, up ? 9 : 1, 5, 6));
        },
        palette);
}

QIcon drawFontSizeIcon(bool bigger, const QPalette& palette)
{
    return paintedIcon(
        [bigger](QPainter& p, const QColor& colour) {
            QFont font;
            font.setPixelSize(bigger ? 13 : 10);
            font.setBold(true);
            p.setFont(font);
            p.setPen(colour);
            p.drawText(QRectF(0, 0, 11, 16), Qt::AlignCenter, QStringLiteral("A"));
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPolygon(arrowHead(13, bigger ? 2 : 9, 6, 5, bigger));
        },
        palette);
}

}  // namespace tsl
