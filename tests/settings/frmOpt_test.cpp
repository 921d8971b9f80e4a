// The options dialog driven offscreen on stores in a temporary folder: every
// setting loads into its own control and is written back, the dependencies,
// the part size's units and names, the checks of the number of pieces and the
// chunk size, the store switch, Cancel, and a missing directory asked about once.
#include "settings/frmOpt.h"
#include "store_fixture.h"
#include "support/modal_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
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
        return dlg.findChild<W*>(QLatin1String(name));
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
};

TEST(frmOpt, EverySettingLoadsIntoItsOwnControlAndIsWrittenBack)
{
    // One key at a time away from its default, so two swapped controls show.
    QMap<QString, QString> defaults;
    for (const StoredValue& v : dialogValues(Settings()))
        defaults.insert(v.key, v.text);
    QMap<QString, QString> other;
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        other.insert(it.key(), it.value() == "-1" ? "0" : it.value() == "0" ? "-1" : it.value());
    TempFolder dirs;
    const std::pair<const char*, QString> others[] = {
        // clang-format off
        {"MissingParts", "2"}, {"ExtraParts", "0"}, {"PartsExist", "0"}, {"SplitFileNames", "1"},
        {"SplitUnits", "1"}, {"SplitSize", "1126.4"}, {"ChunkSize", "20000"}, {"HighPart", "500"},
        {"SplitMode", "1"}, {"SplitPieces", "7"}, {"InitCombineDir", dirs.mkdir("c")},
        {"InitSplitDir", dirs.mkdir("s")}, {"InitAppendDir", dirs.mkdir("a")},
        // clang-format on
    };
    for (const auto& [key, value] : others)
        other[key] = value;
    for (auto it = other.cbegin(); it != other.cend(); ++it) {
        StoreFixture f;
        f.user((it.key() + "=" + it.value() + "\n").toUtf8());
        Dialog d(f);
        d.click("cmdOk");
        QMap<QString, QString> expected = defaults;
        expected[it.key()] = it.value();
        QMap<QString, QString> written;
        for (auto k = defaults.cbegin(); k != defaults.cend(); ++k)
            written.insert(k.key(), f.userValue(k.key()));
        EXPECT_EQ(written, expected) << it.key().toStdString();
        EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    }
}

TEST(frmOpt, DependentControlsFollowTheirCheckBoxes)
{
    const struct {
        const char* box;
        const char* dependent;
        bool enabledWhenChecked;
    } cases[] = {
        {"chkAssoc", "chkAuto", true},     {"chkCombDirSame", "chkCombRem", false},
        {"chkSearch", "optExtra_1", true}, {"chkExist", "optExist_2", true},
        {"chkPSizeC", "chkPSizeP", true},  {"chkSplitDirSame", "chkSplitRem", false},
        {"chkPieces", "txtPieces", true},  {"chkPieces", "fmeUnits", false},
        {"chkPieces", "txtSize", false},
    };
    StoreFixture f;
    f.user("CombineAssoc=0\nSameDir=0\n");
    Dialog d(f);
    for (const auto& c : cases) {
        auto* box = d.get<QCheckBox>(c.box);
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(d.get(c.dependent)->isEnabled(), box->isChecked() == c.enabledWhenChecked)
                << c.box;
            box->click();
        }
    }
    // A disabled box keeps its state and is written as shown.
    d.get<QCheckBox>("chkAuto")->setChecked(true);
    EXPECT_FALSE(d.get<QCheckBox>("chkAuto")->isEnabled());
    d.click("chkSearch");
    EXPECT_FALSE(d.get<QGroupBox>("fmeExtra")->isEnabled());
    d.click("cmdOk");
    EXPECT_EQ(f.userValue("CombineAuto"), "-1");
    EXPECT_EQ(f.userValue("SearchExtra"), "0");
    EXPECT_EQ(f.userValue("ExtraParts"), "1");
}

TEST(frmOpt, ThePartSizeIsShownInItsUnitTakesNamedSizesAndIsStoredInBytes)
{
    StoreFixture f;
    Dialog d(f, 1);
    for (const auto& [unit, shown] : {std::pair{"optSize_1", "500"},
                                      {"optSize_1", "500"},
                                      {"optSize_2", ".48828125"},
                                      {"optSize_0", "512000"}}) {
        d.click(unit);
        EXPECT_EQ(d.text("txtSize"), shown) << unit;
    }
    auto* field = d.get<QComboBox>("txtSize");
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
    // A name typed in any unit stores its bytes; a number, in the unit shown.
    d.get<QLineEdit>("txtSize")->setText("dvd");
    d.click("cmdOk");
    EXPECT_EQ(f.userValue("SplitSize"), "4697620480");
    EXPECT_EQ(f.userValue("SplitUnits"), "1");
    Dialog again(f, 1);
    again.click("optSize_2");
    again.get<QLineEdit>("txtSize")->setText("1.5");
    again.click("cmdOk");
    EXPECT_EQ(f.userValue("SplitSize"), "1572864");
}

TEST(frmOpt, ANumberOfPiecesOutsideItsRangeIsRefusedWithTheRange)
{
    StoreFixture f;
    Dialog d(f, 0);
    d.click("chkPieces");
    for (const char* typed : {"1", "19683", "3.5"}) {
        d.get<QLineEdit>("txtPieces")->setText(typed);
        QString said;
        whenModal<QMessageBox>([&said](QMessageBox* box) {
            said = box->text();
            box->accept();
        });
        d.click("cmdOk");
        EXPECT_EQ(said, "The number of pieces takes a whole number from 2 to 19682.") << typed;
        EXPECT_EQ(d.get<QTabWidget>("tbsOpt")->currentIndex(), 1);
        EXPECT_FALSE(f.t.exists("user/Tessel/TSL.conf"));
    }
    d.get<QLineEdit>("txtPieces")->setText("19682");
    d.click("cmdOk");
    EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    EXPECT_EQ(f.userValue("SplitMode"), "1");
    EXPECT_EQ(f.userValue("SplitPieces"), "19682");
}

TEST(frmOpt, TheChunkSizeIsCheckedWhenTheFieldIsLeft)
{
    StoreFixture f;
    Dialog d(f, 2);
    auto* field = d.get<QLineEdit>("txtChunk");
    for (const auto& [typed, shown] : {std::pair{"0", "1000000"},
                                       {"abc", "1000000"},
                                       {"0.5", "1000000"},
                                       {"20000", "20000"},
                                       {" 12abc ", "12"}}) {
        field->setText(typed);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
        EXPECT_EQ(field->text(), shown) << typed;
    }
    d.get<QLineEdit>("txtPart")->setText(" 99999 ");  // no check: stored as typed
    d.click("cmdOk");
    EXPECT_EQ(f.userValue("ChunkSize"), "12");
    EXPECT_EQ(f.userValue("HighPart"), "99999");
    EXPECT_EQ(d.settings.ChunkSize, 1000000);  // the reload's range rules
}

// What the switch carries over, and that a failed one creates nothing, is
// SwitchStore's (StoreSwitch); here the dialog's choice reaches it both ways,
// while Cancel, or a store that cannot be written, leaves everything where it was.
TEST(frmOpt, TheStoreChoiceSwitchesTheStoreBothWaysOrSaysWhyNot)
{
    StoreFixture f;
    f.user("ChunkSize=20000\n");
    {
        Dialog d(f);
        d.click("optRI_1");
        d.click("chkAssoc");
        d.click("cmdCancel");
        EXPECT_EQ(d.dlg.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(f.t.exists("prog/tsl.ini"));
    EXPECT_EQ(f.userValue("CombineAssoc"), "");
    {
        Dialog d(f);
        d.click("optRI_1");
        d.click("cmdOk");
    }
    EXPECT_TRUE(f.store.UseIni);
    EXPECT_TRUE(f.iniText().contains("ChunkSize=20000\n"));
    {
        Dialog d(f);
        EXPECT_TRUE(d.get<QRadioButton>("optRI_1")->isChecked());
        d.click("optRI_0");
        d.click("cmdOk");
    }
    EXPECT_FALSE(f.t.exists("prog/tsl.ini"));

    const QByteArray before = f.t.read("user/Tessel/TSL.conf");
    SettingsStore unwritable(
        StoreLocations{f.t.path("gone"), f.store.locations().userFile, QString()});
    Settings s;
    frmOpt dlg(s, unwritable, f.host, 0, nullptr, f.drives);
    dlg.findChild<QAbstractButton*>("optRI_1")->click();
    QString said;
    whenModal<QMessageBox>([&said](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    dlg.findChild<QAbstractButton*>("cmdOk")->click();
    EXPECT_EQ(said,
              "The settings could not be written to " + f.t.path("gone/tsl.ini")
                  + ".\r\n\r\nNothing was changed: TSL keeps its settings where they were.");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(f.t.read("user/Tessel/TSL.conf"), before);
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
    const QString chosen = f.t.mkdir("chosen");
    f.user(("InitCombineDir=" + f.t.mkdir("combine") + "\n").toUtf8());
    Dialog d(f, 3);
    const char* titles[] = {"Choose the initial Combine folder", "Choose the initial Split folder",
                            "Choose the initial Append folder"};
    for (int i = 0; i < 3; ++i) {
        QString title;
        QString dir;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            dir = dialog->directory().absolutePath();
            if (i > 0)
                return dialog->reject();
            dialog->setDirectory(chosen);
            dialog->findChild<QLineEdit*>("fileNameEdit")->clear();
            QMetaObject::invokeMethod(dialog, "accept");
        });
        d.click(qPrintable(QString("cmdBrowse_%1").arg(i)));
        EXPECT_EQ(title, titles[i]);
        EXPECT_EQ(dir, i == 0 ? f.t.path("combine") : QDir::homePath());
    }
    EXPECT_EQ(d.text("txtDir_0"), f.t.path("chosen"));
}

}  // namespace
}  // namespace tsl::test
