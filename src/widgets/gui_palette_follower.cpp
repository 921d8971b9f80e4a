#include "widgets/gui_palette_follower.h"

#include <QEvent>
#include <QWidget>

namespace tsl {

namespace {

class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget* widget, std::function<void()> apply)
        : QObject(widget), apply_(std::move(apply))
    {
        widget->installEventFilter(this);
        apply_();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
            apply_();
        return false;
    }

private:
    std::function<void()> apply_;
};

}  // namespace

void followPalette(QWidget* widget, std::function<void()> apply)
{
    new PaletteFollower(widget, std::move(apply));
}

}  // namespace tsl
