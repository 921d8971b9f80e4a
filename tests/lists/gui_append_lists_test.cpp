// The Append page's lists, driven as the user would: filling the source list
// from a folder, the move and order buttons, double-clicks, the font-size
// buttons, dragging between the lists and dropping files from elsewhere.
#include "lists/gui_append_list_box.h"
#include "lists/gui_append_lists.h"
#include "support/scripted_host.h"  // prints texts in failures
#include "support/temp_files.h"

#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace tsl;
using namespace tsl::test;

namespace {

QStringList texts(const QListWidget* list, bool selectedOnly = false)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        if (!selectedOnly || list->item(i)->isSelected())
            out << list->item(i)->text();
    }
    return out;
}

class AppendListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"delta", "Bravo.mpg", "alpha.mpg", "Charlie"})
            folder.write(QString::fromLatin1(name), "x");
        lists.loadSource(folder.dir());
        lists.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&lists));
    }

    AppendListBox* list(const char* name) { return lists.findChild<AppendListBox*>(name); }
    QPushButton* button(const char* name) { return lists.findChild<QPushButton*>(name); }
    QString label(const char* name) { return lists.findChild<QLabel*>(name)->text(); }
    // Where a row of a list shows, once the list has laid out its changes.
    QPoint centre(const char* name, int row)
    {
        list(name)->doItemsLayout();
        return list(name)->visualItemRect(list(name)->item(row)).center();
    }
    // Selects rows of a list and waits for the timer to follow.
    void select(const char* name, std::initializer_list<int> rows)
    {
        list(name)->clearSelection();
        for (int row : rows)
            list(name)->item(row)->setSelected(true);
        QSignalSpy tick(lists.findChild<QTimer*>("tmrAppend"), &QTimer::timeout);
        EXPECT_TRUE(tick.wait(2000));
    }
    // Starts dragging a row of a list with the mouse; the offscreen platform
    // ends the drag at once, without a drop.
    void startDrag(const char* name, int row)
    {
        const QPoint at = centre(name, row);
        QTest::mousePress(list(name)->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseMove(list(name)->viewport(), at + QPoint(0, 4));
        QTest::mouseMove(list(name)->viewport(), at + QPoint(40, 40));
    }
    // Sends a drop of data on a list; true when the list took it.
    bool drop(const char* name, QMimeData* data, Qt::DropActions actions = Qt::MoveAction)
    {
        std::unique_ptr<QMimeData> owned(data);
        QWidget* target = list(name)->viewport();
        QDragEnterEvent enter(QPoint(5, 5), actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropEvent(QPointF(5, 5), actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropEvent);
        lastDropAction = dropEvent.dropAction();
        EXPECT_EQ(enter.isAccepted(), dropEvent.isAccepted());
        return dropEvent.isAccepted();
    }

    TempFolder folder;
    AppendLists lists;
    Qt::DropAction lastDropAction = Qt::IgnoreAction;
    const QStringList sorted{"alpha.mpg", "Bravo.mpg", "Charlie", "delta"};
};

}  // namespace

TEST(AppendListsSource, ListsOrdinaryFilesSortedWithoutRegardToCase)
{
    TempFolder folder;
    for (const char* name : {"b.txt", "A.txt", "Zed", "c", ".hidden", "sub/inner"})
        folder.write(QString::fromLatin1(name), "x");
    ASSERT_TRUE(QFile::link(folder.path("c"), folder.path("link")));
    ASSERT_TRUE(QFile::link(folder.path("gone"), folder.path("dangling")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("pipe")).constData(), 0600), 0);
    AppendLists lists;
    lists.findChild<QListWidget*>("lstTo")->addItem(QStringLiteral("old"));
    lists.loadSource(folder.dir().chopped(1));  // no closing "/"
    EXPECT_EQ(lists.sourceDir(), folder.dir());
    EXPECT_EQ(texts(lists.findChild<QListWidget*>("lstFrom")),
              QStringList({"A.txt", "b.txt", "c", "link", "Zed"}));
    EXPECT_EQ(lists.entryCount(), 0);
    EXPECT_EQ(lists.findChild<QLabel*>("lblFrom")->text(), "5 files");
    lists.loadSource(folder.path("missing"));
    EXPECT_EQ(lists.findChild<QLabel*>("lblFrom")->text(), "0 files");
}

TEST_F(AppendListsTest, MovesWithAndWithoutSelection)
{
    QSignalSpy changed(&lists, &AppendLists::listsChanged);
    button("cmdAdd_1")->click();  // nothing selected: disabled, nothing moves
    EXPECT_EQ(lists.sourceEntries(), sorted);

    select("lstFrom", {3, 1});
    button("cmdAdd_1")->click();
    EXPECT_EQ(lists.entries(), QStringList({"Bravo.mpg", "delta"}));
    EXPECT_EQ(lists.sourceEntries(), QStringList({"alpha.mpg", "Charlie"}));
    EXPECT_TRUE(texts(list("lstFrom"), true).isEmpty());
    EXPECT_EQ(label("lblFrom"), "2 files");
    EXPECT_FALSE(button("cmdAdd_1")->isEnabled());

    // Double-clicking an entry moves it (QTest's double-click is the second click only).
    QTest::mouseClick(list("lstFrom")->viewport(), Qt::LeftButton, {}, centre("lstFrom", 1));
    QTest::mouseDClick(list("lstFrom")->viewport(), Qt::LeftButton, {}, centre("lstFrom", 1));
    EXPECT_EQ(lists.entries(), QStringList({"Bravo.mpg", "delta", "Charlie"}));
    EXPECT_EQ(label("lblFrom"), "1 file");

    button("cmdAdd_0")->click();
    EXPECT_EQ(lists.entries(), QStringList({"Bravo.mpg", "delta", "Charlie", "alpha.mpg"}));
    EXPECT_FALSE(button("cmdAdd_0")->isEnabled());

    select("lstTo", {0, 3});
    button("cmdRem_1")->click();
    EXPECT_EQ(lists.sourceEntries(), QStringList({"alpha.mpg", "Bravo.mpg"}));
    EXPECT_EQ(lists.entries(), QStringList({"delta", "Charlie"}));

    button("cmdRem_0")->click();
    EXPECT_EQ(lists.sourceEntries(), sorted);
    EXPECT_EQ(label("lblTo"), "0 files");
    EXPECT_FALSE(button("cmdRem_0")->isEnabled());
    EXPECT_EQ(changed.count(), 5);

    // Re-read from the folder (double-click on the count label): lstTo is
    // kept, and moving everything twice lists every file twice.
    button("cmdAdd_0")->click();
    folder.write(QStringLiteral("echo"), "x");
    QTest::mouseDClick(lists.findChild<QLabel*>("lblFrom"), Qt::LeftButton);
    EXPECT_EQ(lists.sourceEntries(), QStringList(sorted) << "echo");
    button("cmdAdd_0")->click();
    EXPECT_EQ(label("lblTo"), "9 files");
    button("cmdRem_0")->click();
    EXPECT_EQ(lists.sourceEntries(),
              QStringList({"alpha.mpg", "alpha.mpg", "Bravo.mpg", "Bravo.mpg", "Charlie", "Charlie",
                           "delta", "delta", "echo"}));
}

TEST_F(AppendListsTest, ReorderMovesTheSelectedBlockOnePlace)
{
    const QString a = "alpha.mpg", b = "Bravo.mpg", c = "Charlie", d = "delta";
    const struct {
        const char* button;
        std::initializer_list<int> rows;
        QStringList order;
    } cases[] = {
        {"cmdDown_0", {2, 3}, {a, b, d, c}}, {"cmdUp_0", {0, 1}, {b, a, c, d}},
        {"cmdDown_0", {3}, {a, b, c, d}},    {"cmdUp_0", {0}, {a, b, c, d}},
        {"cmdUp_0", {1, 2}, {b, c, a, d}},   {"cmdDown_0", {1, 2}, {a, d, b, c}},
        {"cmdDown_0", {0, 2}, {b, a, d, c}},
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(e.button + (" " + e.order.join(',')).toStdString());
        lists.loadSource(folder.dir());
        button("cmdAdd_0")->click();
        select("lstTo", e.rows);
        QSignalSpy changed(&lists, &AppendLists::listsChanged);
        button(e.button)->click();
        EXPECT_EQ(lists.entries(), e.order);
        QStringList selected;  // the moved block stays selected
        for (const QString& name : e.order)
            if (e.rows.end() != std::find(e.rows.begin(), e.rows.end(), sorted.indexOf(name)))
                selected << name;
        EXPECT_EQ(texts(list("lstTo"), true), selected);
        EXPECT_EQ(changed.count(), 1);
    }
    list("lstTo")->clearSelection();
    QTRY_VERIFY(!button("cmdUp_0")->isEnabled() && !button("cmdDown_0")->isEnabled());
}

TEST_F(AppendListsTest, FontSizeStepsByTwoWithinItsBounds)
{
    QSignalSpy sizes(&lists, &AppendLists::fontSizeChanged);
    for (int i = 0; i < 3; ++i)
        button("cmdUp_1")->click();  // the third click finds the button disabled
    EXPECT_FALSE(button("cmdUp_1")->isEnabled());
    EXPECT_EQ(list("lstTo")->font().pointSizeF(), 14);
    for (int i = 0; i < 5; ++i)
        button("cmdDown_1")->click();
    EXPECT_EQ(lists.fontSize(), 8);
    EXPECT_FALSE(button("cmdDown_1")->isEnabled());
    QList<double> reported;
    for (const auto& call : sizes)
        reported << call.at(0).toDouble();
    EXPECT_EQ(reported, QList<double>({12, 14, 12, 10, 8}));
    // The stored size at start-up may lie outside the steps from 10.
    lists.setFontSize(13);
    QTRY_VERIFY(button("cmdUp_1")->isEnabled() && button("cmdDown_1")->isEnabled());
    lists.setFontSize(16);
    QTRY_VERIFY(!button("cmdUp_1")->isEnabled());
    EXPECT_EQ(sizes.count(), 5);  // only the buttons report a change
}

TEST_F(AppendListsTest, DragsBetweenTheListsWithTheirPictures)
{
    const QStringList keys = {"Sing", "Mult", "Drop", "NoDrop"};
    for (int i = 0; i < keys.size(); ++i) {
        EXPECT_FALSE(lists.dragPicture(keys[i]).isNull()) << keys[i].toStdString();
        for (int j = 0; j < i; ++j)
            EXPECT_NE(lists.dragPicture(keys[i]).toImage(), lists.dragPicture(keys[j]).toImage());
    }
    EXPECT_TRUE(lists.dragPicture("Drag").isNull());

    // Two entries selected by mouse and dragged: the picture stays until the
    // next tick of the timer.
    AppendListBox* from = list("lstFrom");
    QTest::mouseClick(from->viewport(), Qt::LeftButton, {}, centre("lstFrom", 0));
    QTest::mouseClick(from->viewport(), Qt::LeftButton, Qt::ControlModifier, centre("lstFrom", 2));
    ASSERT_EQ(texts(from, true), QStringList({"alpha.mpg", "Charlie"}));
    startDrag("lstFrom", 2);
    EXPECT_EQ(lists.dragPicture("Drag").toImage(), lists.dragPicture("Mult").toImage());
    QTRY_VERIFY(lists.dragPicture("Drag").isNull());

    // So the drop the platform would deliver is sent by hand: on the list it
    // came from it moves nothing, on the other list it moves; another
    // window's lists are not ours.
    EXPECT_FALSE(drop("lstFrom", lists.createDragData(from)));
    AppendLists other;
    EXPECT_FALSE(drop("lstTo", other.createDragData(other.findChild<AppendListBox*>("lstFrom"))));
    EXPECT_EQ(lists.sourceEntries(), sorted);
    EXPECT_TRUE(drop("lstTo", lists.createDragData(from)));
    EXPECT_EQ(lastDropAction, Qt::MoveAction);
    EXPECT_EQ(lists.entries(), QStringList({"alpha.mpg", "Charlie"}));
    EXPECT_EQ(lists.sourceEntries(), QStringList({"Bravo.mpg", "delta"}));
    QTest::mouseRelease(from->viewport(), Qt::LeftButton);

    // One entry dragged back.
    QTest::mouseClick(list("lstTo")->viewport(), Qt::LeftButton, {}, centre("lstTo", 1));
    startDrag("lstTo", 1);
    EXPECT_EQ(lists.dragPicture("Drag").toImage(), lists.dragPicture("Sing").toImage());
    EXPECT_TRUE(drop("lstFrom", lists.createDragData(list("lstTo"))));
    QTest::mouseRelease(list("lstTo")->viewport(), Qt::LeftButton);
    EXPECT_EQ(lists.sourceEntries(), QStringList({"Bravo.mpg", "Charlie", "delta"}));
    EXPECT_EQ(lists.entries(), QStringList({"alpha.mpg"}));
}

TEST_F(AppendListsTest, FilesDroppedFromElsewhereJoinTheAppendListInOrder)
{
    TempFolder elsewhere;
    const QString y = elsewhere.write(QStringLiteral("y.bin"), "y");
    const QString x = elsewhere.write(QStringLiteral("x.bin"), "x");
    elsewhere.write(QStringLiteral(".hidden"), "h");
    elsewhere.mkdir(QStringLiteral("dir"));
    select("lstFrom", {0});
    button("cmdAdd_1")->click();
    const auto urls = [&](const QStringList& names) {
        auto* data = new QMimeData;
        QList<QUrl> list;
        for (const QString& name : names)
            list << (name.startsWith("https:") ? QUrl(name)
                                               : QUrl::fromLocalFile(elsewhere.path(name)));
        data->setUrls(list);
        return data;
    };
    QSignalSpy changed(&lists, &AppendLists::listsChanged);
    QSignalSpy refused(&lists, &AppendLists::dropRefused);
    // A file manager offers a move; the list only ever copies.
    EXPECT_TRUE(drop("lstTo",
                     urls({"y.bin", "x.bin", "dir", ".hidden", "gone", "https://example.org/z"}),
                     Qt::MoveAction | Qt::CopyAction));
    EXPECT_EQ(lastDropAction, Qt::CopyAction);
    EXPECT_EQ(lists.entries(), QStringList({"alpha.mpg", y, x}));
    EXPECT_EQ(texts(list("lstTo")), QStringList({"alpha.mpg", y, x}));
    EXPECT_EQ(label("lblTo"), "3 files");
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused.at(0).at(0).toStringList(),
              QStringList({elsewhere.path("dir"), elsewhere.path(".hidden"), elsewhere.path("gone"),
                           "https://example.org/z"}));
    // Not on the source list, and never as a move only.
    EXPECT_FALSE(drop("lstFrom", urls({"x.bin"}), Qt::CopyAction));
    EXPECT_FALSE(drop("lstTo", urls({"x.bin"}), Qt::MoveAction));
    // Taken back, they leave the append list without joining the source folder's list.
    button("cmdRem_0")->click();
    EXPECT_EQ(lists.sourceEntries(), sorted);
    EXPECT_TRUE(elsewhere.exists("x.bin") && elsewhere.exists("y.bin"));
}

TEST_F(AppendListsTest, TheTimerRunsOnlyWhileShownAndADisabledPanelKeepsItsLists)
{
    auto* timer = lists.findChild<QTimer*>("tmrAppend");
    EXPECT_TRUE(timer->isActive());
    // While a job runs the window disables the panel: no click, re-read or drop changes a list.
    lists.setEnabled(false);
    folder.write(QStringLiteral("echo"), "x");
    button("cmdAdd_0")->click();
    QTest::mouseDClick(lists.findChild<QLabel*>("lblFrom"), Qt::LeftButton);
    select("lstFrom", {0});
    EXPECT_FALSE(drop("lstTo", lists.createDragData(list("lstFrom"))));
    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(folder.path("echo"))});
    EXPECT_FALSE(drop("lstTo", files, Qt::CopyAction));
    EXPECT_TRUE(lists.entries().isEmpty());
    EXPECT_EQ(lists.sourceEntries(), sorted);
    lists.hide();
    EXPECT_FALSE(timer->isActive());
}
