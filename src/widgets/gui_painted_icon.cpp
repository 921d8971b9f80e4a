#include "widgets/gui_painted_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace tsl {

namespace {

constexpr qreal Box = 16;

class PaintedEngine : public QIconEngine {
public:
    PaintedEngine(IconDrawing drawing, const QColor& normal, const QColor& disabled)
        : drawing_(std::move(drawing)), normal_(normal), disabled_(disabled)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal side = qMin(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2);
        painter->scale(side / Box, side / Box);
        drawing_(*painter, mode == QIcon::Disabled ? disabled_ : normal_);
        painter->restore();
    }

    // QIcon asks for the size in device pixels and sets the scale itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedEngine(drawing_, normal_, disabled_); }
    QString key() const override { return QStringLiteral("tsl-painted"); }

private:
    IconDrawing drawing_;
    QColor normal_;
    QColor disabled_;
};

}  // namespace

QIcon paintedIcon(IconDrawing drawing, const QPalette& palette)
{
    return QIcon(new PaintedEngine(std::move(drawing),
                                   palette.color(QPalette::Active, QPalette::ButtonText),
                                   palette.color(QPalette::Disabled, QPalette::ButtonText)));
}

}  // namespace tsl
