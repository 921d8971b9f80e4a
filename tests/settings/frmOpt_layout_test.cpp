// The options dialog on small and scaled screens: it fits the screen with
// its OK, Cancel and store choice on screen, every control of a page can be
// reached (a page scrolls when the screen is too low for it), and no page is
// mostly empty. The scaled screens run in a second process of this program,
// since the scale is fixed when the application starts.
#include "settings/frmOpt.h"
#include "store_fixture.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

// Room a window manager takes around a dialog: a title bar and a thin frame.
constexpr int TitleBar = 40;
constexpr int Frame = 8;

// True when child lies wholly inside widget's rectangle.
bool inside(const QWidget* child, const QWidget* widget)
{
    const QRect r(child->mapTo(widget, QPoint(0, 0)), child->size());
    return widget->rect().contains(r);
}

}  // namespace

TEST(frmOptLayout, FitsTheScreenOnEveryPage)
{
    StoreFixture f;
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        Settings settings;
        frmOpt dlg(settings, f.store, f.host, page, nullptr, f.drives);
        dlg.show();
        QApplication::processEvents();
        const QRect screen = dlg.screen()->availableGeometry();
        std::printf("page %d: dialog %dx%d on %dx%d\n", page, dlg.width(), dlg.height(),
                    screen.width(), screen.height());
        EXPECT_LE(dlg.width() + 2 * Frame, screen.width());
        EXPECT_LE(dlg.height() + TitleBar + Frame, screen.height());
        EXPECT_TRUE(screen.contains(dlg.geometry()));
        for (const char* name : {"cmdOk", "cmdCancel", "optRI_0", "optRI_1"}) {
            auto* w = dlg.findChild<QWidget*>(QLatin1String(name));
            ASSERT_NE(w, nullptr) << name;
            EXPECT_TRUE(w->isVisible() && inside(w, &dlg)) << name;
        }
        // The page scrolls to every control it holds, and is not mostly empty.
        auto* tabs = dlg.findChild<QTabWidget*>(QStringLiteral("tbsOpt"));
        auto* area = qobject_cast<QScrollArea*>(tabs->currentWidget());
        ASSERT_NE(area, nullptr);
        QWidget* content = area->widget();
        EXPECT_EQ(content->objectName(), QStringLiteral("picOpt_%1").arg(page));
        int used = 0;
        for (QWidget* control : content->findChildren<QWidget*>()) {
            if (!control->isVisible())
                continue;
            used = qMax(used, control->mapTo(content, QPoint(0, control->height())).y());
            area->ensureWidgetVisible(control, 0, 0);
            EXPECT_TRUE(inside(control, area->viewport()) || control->height() > area->height())
                << control->objectName().toStdString();
        }
        std::printf("page %d: controls fill %d of %d\n", page, used, area->viewport()->height());
        EXPECT_GE(used * 2, area->viewport()->height()) << "the page is mostly empty";
    }
}

TEST(frmOptLayout, FitsSmallAndScaledScreens)
{
    const struct {
        int width, height;
        const char* scale;
    } screens[] = {{1280, 800, "1.5"}, {1366, 768, "1"}, {1024, 600, "1"}};
    for (const auto& s : screens) {
        SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height) + "@" + s.scale);
        QTemporaryDir dir;
        const QString config = dir.filePath("screen.json");
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1,
                                   "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                       .arg(s.width)
                       .arg(s.height)
                       .toUtf8());
        file.close();
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
        env.insert("QT_SCALE_FACTOR", s.scale);
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=frmOptLayout.FitsTheScreenOnEveryPage"});
        ASSERT_TRUE(run.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        EXPECT_EQ(run.exitCode(), 0) << output.toStdString();
        // The second process saw the screen asked for, scaled.
        const double scale = QString::fromLatin1(s.scale).toDouble();
        EXPECT_TRUE(output.contains(
            QStringLiteral(" on %1x%2").arg(int(s.width / scale)).arg(int(s.height / scale))))
            << output.toStdString();
    }
}

}  // namespace tsl::test
