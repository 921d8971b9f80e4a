// How the window looks whatever the style, the palette and the screen: the
// read-only file fields drawn on the window's colour, the drawn icons in the
// palette's text colour (light on a dark palette) and sharp at twice the
// scale, TSL's own window icon, and each panel as tall as its controls.
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_window_fixture.h"

#include <QLayout>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
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

TEST(WindowLook, TheChosenFilesFieldsLookReadOnlyUnderEveryStyleAndPalette)
{
    StyleAndPalette restore;
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(0);
    for (const QString& style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(style.toStdString() + (dark ? " dark" : " light"));
            QApplication::setStyle(QStyleFactory::create(style));
            QApplication::setPalette(dark ? darkPalette()
                                          : QApplication::style()->standardPalette());
            const QPalette now = w.form->palette();
            auto* files = w.find<QLineEdit>("txtFile_0");
            auto* folder = w.find<QLineEdit>("txtDir_0");
            folder->clear();
            EXPECT_EQ(middleOf(files), now.color(QPalette::Window));
            EXPECT_EQ(middleOf(folder), now.color(QPalette::Base));
            EXPECT_NE(now.color(QPalette::Window), now.color(QPalette::Base));
            EXPECT_EQ(w.find<QLineEdit>("txtFile_1")->palette().color(QPalette::Base),
                      now.color(QPalette::Window));
        }
    }
}

TEST(WindowLook, DrawnIconsTakeThePalettesTextColourAndStaySharpWhenScaled)
{
    StyleAndPalette restore;
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(2);
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        const int text = w.form->palette().color(QPalette::ButtonText).lightness();
        for (const char* name : {"cmdUp_1", "cmdDown_1", "cmdUp_0", "cmdDown_0", "cmdClose_2"}) {
            SCOPED_TRACE(name);
            const QIcon icon = w.button(name)->icon();
            const auto [lightest, darkest] = lightestAndDarkest(icon.pixmap(QSize(16, 16)));
            // Every drawn pixel is the text colour, so none is lost on the button.
            EXPECT_NEAR(lightest, text, 2);
            EXPECT_NEAR(darkest, text, 2);
            const QPixmap twice = icon.pixmap(QSize(16, 16), 2.0);
            EXPECT_EQ(twice.size(), QSize(32, 32));
            EXPECT_EQ(twice.devicePixelRatio(), 2.0);
        }
    }
}

TEST(WindowLook, TheWindowShowsTslsOwnIcon)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    const QIcon icon = w.form->windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(64, 64)).toImage();
    ASSERT_EQ(image.size(), QSize(64, 64));
    // The red arrow of data/tsl.svg ("M44 24.5 H58", #c0392b) and its blue piece.
    const QColor arrow = image.pixelColor(50, 24);
    EXPECT_GT(arrow.red(), 150);
    EXPECT_LT(arrow.green(), 100);
    EXPECT_LT(arrow.blue(), 100);
    const QColor piece = image.pixelColor(20, 50);
    EXPECT_GT(piece.blue(), piece.red());
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

TEST(WindowLook, AWindowOpenedOnTheCombinePanelFitsEachPanelItComesTo)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    for (const int panel : {0, 1, 2, 0}) {
        SCOPED_TRACE(panel);
        EXPECT_LE(widestBand(showPanel(w, panel), true), 16);
    }
}

TEST(WindowLook, EachPanelFitsTheWindowAndExtraHeightGoesToTheAppendLists)
{
    WindowFixture w;
    w.t.write("movie.avi", QByteArray(1100000, 'm'));
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    auto show = [&w](int panel) { return showPanel(w, panel); };
    auto listHeight = [&w, &show] {
        show(2);
        return w.find<QListWidget>("lstFrom")->height();
    };

    // Whichever panel is shown, the window ends where its controls end: no
    // band under the Combine or Split progress lines as tall as the lists,
    // none between its rows.
    for (const int panel : {1, 0, 2, 1, 2, 0}) {
        SCOPED_TRACE(panel);
        EXPECT_LE(widestBand(show(panel), true), 16);
    }
    const int list = listHeight();
    EXPECT_GE(list, 60);

    // A height the user gives the window stays over a switch of panels; the
    // Append lists take it, the other panels keep their rows together.
    const int height = w.form->height() + 200;
    w.form->resize(w.form->width(), height);
    QApplication::processEvents();
    EXPECT_GE(listHeight(), list + 190);
    for (const int panel : {0, 1}) {
        SCOPED_TRACE(panel);
        EXPECT_LE(widestBand(show(panel), false), 16);
        EXPECT_EQ(w.form->height(), height);
    }
    EXPECT_GE(listHeight(), list + 190);
}
