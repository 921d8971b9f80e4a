// The options dialog driven offscreen on stores in a temporary folder: every
// setting loads into its control and is written back, the dependencies, the
// unit conversion, the chunk-size check, the store switch both ways, Cancel,
// and a missing directory asked about once.
#include "settings/frmOpt.h"
#include "settings/value_conversion.h"
#include "store_fixture.h"
#include "support/modal_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

struct Dialog {
    StoreFixture& f;
    Settings settings;
    frmOpt dlg;
    explicit Dialog(StoreFixture& fixture, int page = 0)
        : f(fixture), dlg(settings, fixture.store, fixture.host, page, nullptr, fixture.drives)
    {
    }
    template <typename W = QWidget>
    W* get(const char* name)
    {
        W* w = dlg.findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
};

QString userValue(StoreFixture& f, const QString& key)
{
    return QSettings(f.store.locations().userFile, QSettings::NativeFormat).value(key).toString();
}

// Every value the dialog writes, as the native store holds it.
QMap<QString, QString> userValues(StoreFixture& f)
{
    QMap<QString, QString> m;
    for (const StoredValue& v : dialogValues(Settings()))
        m.insert(v.key, userValue(f, v.key));
    return m;
}

QMap<QString, QString> defaultTexts()
{
    QMap<QString, QString> m;
    for (const StoredValue& v : dialogValues(Settings()))
        m.insert(v.key, v.text);
    return m;
}

TEST(frmOpt, EverySettingLoadsIntoItsOwnControlAndIsWrittenBack)
{
    // One key at a time away from its default, so two swapped controls show.
    QMap<QString, QString> other;
    for (const StoredValue& v : dialogValues(Settings()))
        other.insert(v.key, v.text == "-1" ? "0" : v.text == "0" ? "-1" : v.text);
    TempFolder dirs;
    other["MissingParts"] = "2";
    other["ExtraParts"] = "0";
    other["PartsExist"] = "0";
    other["SplitFileNames"] = "1";
    other["SplitUnits"] = "1";
    other["SplitSize"] = "1126.4";
    other["ChunkSize"] = "20000";
    other["HighPart"] = "500";
    other["SplitMode"] = "1";
    other["SplitPieces"] = "7";
    other["InitCombineDir"] = dirs.mkdir("c");
    other["InitSplitDir"] = dirs.mkdir("s");
    other["InitAppendDir"] = dirs.mkdir("a");
    for (auto it = other.cbegin(); it != other.cend(); ++it) {
        StoreFixture f;
        f.user((it.key() + "=" + it.value() + "\n").toUtf8());
        Dialog d(f);
        d.click("cmdOk");
        QMap<QString, QString> expected = defaultTexts();
        expected[it.key()] = it.value();
        EXPECT_EQ(userValues(f), expected) << it.key().toStdString();
        EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    }
}

TEST(frmOpt, OpensOnThePageOfTheMode)
{
    StoreFixture f;
    const char* const titles[] = {"Co&mbine", "&Split", "A&ppend / Misc", "&Directories"};
    for (int page = 0; page < 4; ++page) {
        Dialog d(f, page);
        auto* tabs = d.get<QTabWidget>("tbsOpt");
        EXPECT_EQ(tabs->currentIndex(), page);
        EXPECT_EQ(tabs->tabText(page), titles[page]);
    }
}

TEST(frmOpt, DependentControlsFollowTheirCheckBoxes)
{
    struct Case {
        const char* box;
        const char* dependent;
        bool enabledWhenChecked;
    };
    const Case cases[] = {
        {"chkAssoc", "chkAuto", true},     {"chkCombDirSame", "chkCombRem", false},
        {"chkSearch", "optExtra_1", true}, {"chkExist", "optExist_2", true},
        {"chkPSizeC", "chkPSizeP", true},  {"chkSplitDirSame", "chkSplitRem", false},
        {"chkPieces", "txtPieces", true},  {"chkPieces", "fmeUnits", false},
        {"chkPieces", "txtSize", false},
    };
    StoreFixture f;
    f.user("CombineAssoc=0\nSameDir=0\n");
    Dialog d(f);
    for (const Case& c : cases) {
        auto* box = d.get<QCheckBox>(c.box);
        auto* dep = d.get<QWidget>(c.dependent);
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(dep->isEnabled(), box->isChecked() == c.enabledWhenChecked) << c.box;
            box->click();
        }
    }
    // A disabled box keeps its state and is written as shown.
    d.get<QCheckBox>("chkAuto")->setChecked(true);
    EXPECT_FALSE(d.get<QCheckBox>("chkAuto")->isEnabled());
    d.get<QCheckBox>("chkSearch")->click();
    EXPECT_FALSE(d.get<QGroupBox>("fmeExtra")->isEnabled());
    d.click("cmdOk");
    EXPECT_EQ(userValue(f, "CombineAuto"), "-1");
    EXPECT_EQ(userValue(f, "SearchExtra"), "0");
    EXPECT_EQ(userValue(f, "ExtraParts"), "1");
}

TEST(frmOpt, UnitsConvertThePartSizeAndTheStoreHoldsBytes)
{
    StoreFixture f;
    Dialog d(f, 1);
    const std::pair<const char*, const char*> steps[] = {
        {"optSize_1", "500"},
        {"optSize_1", "500"},
        {"optSize_2", ".48828125"},
        {"optSize_0", "512000"},
    };
    for (const auto& [unit, shown] : steps) {
        d.click(unit);
        EXPECT_EQ(d.text("txtSize"), shown) << unit;
    }
    d.click("optSize_2");
    d.get<QLineEdit>("txtSize")->setText("1.5");
    d.click("cmdOk");
    EXPECT_EQ(userValue(f, "SplitSize"), "1572864");
    EXPECT_EQ(userValue(f, "SplitUnits"), "2");
    EXPECT_EQ(d.settings.SplitSize, 1572864);
    EXPECT_EQ(dialogNumberText(100.0 / 1048576), ".000095367431640625");
}

TEST(frmOpt, ThePartSizeOffersTheCommonLimitsAndTakesTheirNames)
{
    StoreFixture f;
    Dialog d(f, 1);
    auto* field = d.get<QComboBox>("txtSize");
    ASSERT_EQ(field->count(), 8);
    EXPECT_EQ(field->itemText(3),
              "cd700 - CD, 700 MB (" + QLocale().toString(734003200) + " bytes)");
    // A choice shows its bytes, in bytes whatever unit was selected.
    d.click("optSize_2");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(d.text("txtSize"), "25000000");
    EXPECT_TRUE(d.get<QRadioButton>("optSize_0")->isChecked());
    d.click("optSize_1");
    EXPECT_EQ(d.text("txtSize"), "24414.0625");
    // A name typed in any unit stores its bytes.
    d.get<QLineEdit>("txtSize")->setText("dvd");
    d.click("cmdOk");
    EXPECT_EQ(userValue(f, "SplitSize"), "4697620480");
    EXPECT_EQ(userValue(f, "SplitUnits"), "1");
}

TEST(frmOpt, ANumberOfPiecesOutsideItsRangeIsRefusedWithTheRange)
{
    StoreFixture f;
    Dialog d(f, 0);
    d.click("chkPieces");
    for (const char* typed : {"1", "19683", "3.5", ""}) {
        d.get<QLineEdit>("txtPieces")->setText(typed);
        QString said;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            said = box->windowTitle() + "|" + box->text();
            box->accept();
        });
        d.click("cmdOk");
        EXPECT_EQ(said, "TSL|The number of pieces takes a whole number from 2 to 19682.") << typed;
        EXPECT_EQ(d.get<QTabWidget>("tbsOpt")->currentIndex(), 1);
        EXPECT_FALSE(f.t.exists("user/Tessel/TSL.conf"));
    }
    d.get<QLineEdit>("txtPieces")->setText("19682");
    d.click("cmdOk");
    EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    EXPECT_EQ(userValue(f, "SplitMode"), "1");
    EXPECT_EQ(userValue(f, "SplitPieces"), "19682");
}

TEST(frmOpt, TheChunkSizeIsCheckedWhenTheFieldIsLeft)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "1000000"},   {"abc", "1000000"}, {" 12abc ", "12"},
        {"20000", "20000"}, {"0.5", "1000000"},
    };
    StoreFixture f;
    Dialog d(f, 2);
    auto* field = d.get<QLineEdit>("txtChunk");
    for (const auto& [typed, shown] : cases) {
        field->setText(typed);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
        EXPECT_EQ(field->text(), shown) << typed;
    }
    field->setText("12abc");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
    d.get<QLineEdit>("txtPart")->setText(" 99999 ");  // no check: stored as typed
    d.click("cmdOk");
    EXPECT_EQ(userValue(f, "ChunkSize"), "12");
    EXPECT_EQ(userValue(f, "HighPart"), "99999");
    EXPECT_EQ(d.settings.ChunkSize, 1000000);  // the reload's range rules
    EXPECT_EQ(d.settings.HighPart, 1000);
}

// What the switch carries over is SwitchStore's (StoreSwitch); here the
// dialog's choice reaches it, both ways.
TEST(frmOpt, TheStoreChoiceSwitchesTheStoreBothWays)
{
    StoreFixture f;
    f.user("ChunkSize=20000\nCombineDir=/parts\n");
    {
        Dialog d(f);
        d.click("optRI_1");
        d.click("cmdOk");
        EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(f.store.UseIni);
    EXPECT_TRUE(f.iniText().contains("ChunkSize=20000\n"));
    EXPECT_TRUE(
        QSettings(f.store.locations().userFile, QSettings::NativeFormat).allKeys().isEmpty());
    {
        Dialog d(f);
        EXPECT_TRUE(d.get<QRadioButton>("optRI_1")->isChecked());
        d.click("optRI_0");
        d.click("cmdOk");
    }
    EXPECT_FALSE(f.t.exists("prog/tsl.ini"));
    EXPECT_EQ(userValue(f, "ChunkSize"), "20000");
    EXPECT_EQ(userValue(f, "CombineDir"), "/parts");
}

TEST(frmOpt, AStoreThatCannotBeWrittenKeepsTheOldOneAndSaysSo)
{
    StoreFixture f;
    f.user("ChunkSize=20000\n");
    SettingsStore unwritable(
        StoreLocations{f.t.path("gone"), f.store.locations().userFile, QString()});
    Settings s;
    frmOpt dlg(s, unwritable, f.host, 0, nullptr, f.drives);
    dlg.findChild<QAbstractButton*>("optRI_1")->click();
    QString said;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        said = box->windowTitle() + "|" + box->text();
        box->accept();
    });
    dlg.findChild<QAbstractButton*>("cmdOk")->click();
    EXPECT_EQ(said,
              "TSL|The settings could not be written to " + f.t.path("gone/tsl.ini")
                  + ".\r\n\r\nNothing was changed: TSL keeps its settings where they were.");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(f.t.exists("gone/tsl.ini"));
    EXPECT_EQ(userValue(f, "ChunkSize"), "20000");
    EXPECT_EQ(userValue(f, "HighPart"), "");  // nothing else written there either
}

TEST(frmOpt, CancelWritesNothing)
{
    StoreFixture f;
    f.ini("[Misc]\nChunkSize=20000\n");
    const QByteArray before = f.iniText();
    Dialog d(f);
    d.get<QCheckBox>("chkAssoc")->click();
    d.get<QLineEdit>("txtChunk")->setText("30000");
    d.click("optRI_0");
    d.click("cmdCancel");
    EXPECT_EQ(d.dlg.result(), QDialog::Rejected);
    EXPECT_EQ(f.iniText(), before);
    EXPECT_FALSE(f.t.exists("user/Tessel/TSL.conf"));
}

TEST(frmOpt, AMissingDirectoryIsAskedAboutOnceAcrossTheReloads)
{
    StoreFixture f;
    f.user(("InitSplitDir=" + f.t.path("missing") + "\n").toUtf8());
    f.host.answers = {Answer::No};
    int registrations = 0;
    Settings s;
    {
        frmOpt dlg(s, f.store, f.host, 1, nullptr, f.drives,
                   [&](const Settings&, Host&) { return ++registrations > 0; });
        dlg.findChild<QAbstractButton*>("cmdOk")->click();
        dlg.reloadAfterClose();
    }
    ASSERT_EQ(f.host.asked.size(), 1);
    EXPECT_TRUE(
        f.host.asked[0].text.startsWith("The directory you specified (" + f.t.path("missing")));
    EXPECT_EQ(registrations, 3);  // opening, OK, and the window's reload
    EXPECT_EQ(s.InitSplitDir, f.t.path("missing"));
}

TEST(frmOpt, TheDirectoryButtonsSayWhichFolderTheyChooseAndStartAtTheirField)
{
    StoreFixture f;
    const QString combine = f.t.mkdir("combine");
    const QString chosen = f.t.mkdir("chosen");
    f.user(("InitCombineDir=" + combine + "\n").toUtf8());
    Dialog d(f, 3);
    const char* titles[] = {"Choose the initial Combine folder", "Choose the initial Split folder",
                            "Choose the initial Append folder"};
    for (int i = 0; i < 3; ++i) {
        QString title;
        QString dir;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            dir = dialog->directory().absolutePath();
            if (i == 0) {
                dialog->setDirectory(chosen);
                dialog->findChild<QLineEdit*>("fileNameEdit")->clear();
                QMetaObject::invokeMethod(dialog, "accept");
            } else {
                dialog->reject();
            }
        });
        d.click(QString("cmdBrowse_%1").arg(i).toLatin1().constData());
        EXPECT_EQ(title, titles[i]);
        EXPECT_EQ(dir, i == 0 ? f.t.path("combine") : QDir::homePath());
    }
    EXPECT_EQ(d.text("txtDir_0"), f.t.path("chosen"));
}

}  // namespace
}  // namespace tsl::test
