// How the window looks whatever the style, the palette and the screen.
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_window_fixture.h"

#include <QLayout>
#include <QListWidget>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace tsl;
using namespace tsl::test;

namespace {

// A dark palette as a dark desktop theme sets it.
QPalette darkPalette()
{
    QPalette p(QColor(53, 53, 53));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(230, 230, 230));
    return p;
}

// Puts the application's style and palette back as they were.
struct StyleAndPalette {
    QString style = QApplication::style()->name();
    QPalette palette = QApplication::palette();
    ~StyleAndPalette()
    {
        QApplication::setStyle(QStyleFactory::create(style));
        QApplication::setPalette(palette);
    }
};

// The colour in the middle of an empty field as it is drawn.
QColor middleOf(QWidget* field)
{
    const QImage image = field->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// The lightest and the darkest grey level among the opaque pixels of pixmap.
std::pair<int, int> lightestAndDarkest(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int lightest = -1;
    int darkest = 256;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            lightest = std::max(lightest, c.lightness());
            darkest = std::min(darkest, c.lightness());
        }
    }
    return {lightest, darkest};
}

}  // namespace

// Under every style and palette the read-only file fields are drawn on the
// window's colour, and the drawn icons in the text colour (so none is lost
// on a dark palette), sharp at twice the scale.
TEST(WindowLook, ReadOnlyFieldsAndDrawnIconsFollowTheStyleAndPalette)
{
    StyleAndPalette restore;
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    EXPECT_EQ(w.form->windowIcon().pixmap(QSize(64, 64)).size(), QSize(64, 64));  // TSL's own
    for (const QString& style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(style.toStdString() + (dark ? " dark" : " light"));
            QApplication::setStyle(QStyleFactory::create(style));
            QApplication::setPalette(dark ? darkPalette()
                                          : QApplication::style()->standardPalette());
            const QPalette now = w.form->palette();
            w.form->selectPanel(0);
            w.find<QLineEdit>("txtDir_0")->clear();
            EXPECT_EQ(middleOf(w.find<QLineEdit>("txtFile_0")), now.color(QPalette::Window));
            EXPECT_EQ(middleOf(w.find<QLineEdit>("txtDir_0")), now.color(QPalette::Base));
            EXPECT_EQ(w.find<QLineEdit>("txtFile_1")->palette().color(QPalette::Base),
                      now.color(QPalette::Window));
            w.form->selectPanel(2);
            const int text = now.color(QPalette::ButtonText).lightness();
            for (const char* name :
                 {"cmdUp_1", "cmdDown_1", "cmdUp_0", "cmdDown_0", "cmdClose_2"}) {
                const QIcon icon = w.button(name)->icon();
                const auto [lightest, darkest] = lightestAndDarkest(icon.pixmap(QSize(16, 16)));
                EXPECT_NEAR(lightest, text, 2) << name;
                EXPECT_NEAR(darkest, text, 2) << name;
                const QPixmap twice = icon.pixmap(QSize(16, 16), 2.0);
                EXPECT_EQ(twice.size(), QSize(32, 32));
                EXPECT_EQ(twice.devicePixelRatio(), 2.0);
            }
        }
    }
}

namespace {

// The tallest empty band across a panel, between two of its controls
// (stacked or side by side) or, with toBottom, under the lowest one.
int widestBand(QWidget* page, bool toBottom)
{
    std::vector<std::pair<int, int>> spans;
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            spans.emplace_back(child->geometry().top(), child->geometry().bottom() + 1);
    std::sort(spans.begin(), spans.end());
    int band = 0;
    int bottom = spans.empty() ? 0 : spans.front().first;
    for (const auto& [top, end] : spans) {
        band = std::max(band, top - bottom);
        bottom = std::max(bottom, end);
    }
    if (toBottom)
        band = std::max(band, page->height() - page->layout()->contentsMargins().bottom() - bottom);
    return band;
}

// Shows panel n and returns it once the layouts have settled.
QWidget* showPanel(WindowFixture& w, int n)
{
    w.form->selectPanel(n);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    return w.find<QWidget>(qPrintable(QStringLiteral("picSplit_%1").arg(n)));
}

}  // namespace

// Whichever panel the window opens on and is shown, it ends where the
// panel's controls end: no band under the Combine or Split progress lines as
// tall as the lists, none between its rows. A height the user gives it stays
// over a switch of panels; the Append lists take it.
TEST(WindowLook, EachPanelFitsTheWindowAndExtraHeightGoesToTheAppendLists)
{
    for (const bool split : {false, true}) {
        SCOPED_TRACE(split ? "opened on Split" : "opened on Combine");
        WindowFixture w;
        const QString movie = w.t.writePattern("movie.avi", 1100000);
        ASSERT_TRUE(w.start(split ? QStringList{movie} : QStringList{}));
        for (const int panel : {1, 0, 2, 1, 2, 0})
            EXPECT_LE(widestBand(showPanel(w, panel), true), 16) << panel;
        showPanel(w, 2);
        const int list = w.find<QListWidget>("lstFrom")->height();
        EXPECT_GE(list, 60);
        const int height = w.form->height() + 200;
        w.form->resize(w.form->width(), height);
        for (const int panel : {0, 1, 2}) {
            EXPECT_LE(widestBand(showPanel(w, panel), false), 16) << panel;
            EXPECT_EQ(w.form->height(), height);
        }
        EXPECT_GE(w.find<QListWidget>("lstFrom")->height(), list + 190);
    }
}
