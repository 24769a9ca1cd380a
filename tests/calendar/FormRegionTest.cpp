#include "calendar/FormRegion.h"

#include "support/QtPrinters.h"

#include "calendar/Holidays.h"
#include "controls/TesselButton.h"
#include "shell/HelpWindow.h"
#include "support/ModalAnswerer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>

namespace {

QComboBox *Combo(QDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("ComboRegion"));
}

QCheckBox *CheckBox(QDialog &dialog)
{
    return dialog.findChild<QCheckBox *>(QStringLiteral("CheckBoxShow"));
}

TTesselButton *Button(QDialog &dialog, const char *name)
{
    return dialog.findChild<TTesselButton *>(QString::fromLatin1(name));
}

TEST(FormRegion, ShowsTheGivenRegionAndSwitch)
{
    struct TCase
    {
        int Region;
        bool Show;
        QString Name;
    };
    const TCase cases[] = {
        {0, true, QStringLiteral("Kein Bundesland")},
        {2, false, QStringLiteral("Bayern")},
        {17, true, QStringLiteral("Alle Bundesländer")},
        {25, false, QStringLiteral("Kein Bundesland")},
        {-3, true, QStringLiteral("Kein Bundesland")},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Region);
        TFormRegion dialog(c.Region, c.Show, QString());
        ASSERT_NE(Combo(dialog), nullptr);
        ASSERT_NE(CheckBox(dialog), nullptr);
        EXPECT_EQ(Combo(dialog)->currentText(), c.Name);
        EXPECT_EQ(CheckBox(dialog)->isChecked(), c.Show);
    }
}

TEST(FormRegion, LooksAsTheOtherDialogs)
{
    TFormRegion dialog(0, true, QString());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Feiertage (Region)"));
    EXPECT_EQ(dialog.minimumSize(), QSize(273, 174));
    EXPECT_EQ(dialog.maximumSize(), QSize(273, 174));

    QComboBox *combo = Combo(dialog);
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QStringList names;
    for (QStringView name : RegionNames)
        names << name.toString();
    EXPECT_EQ(items, names);
    EXPECT_EQ(CheckBox(dialog)->text(), QStringLiteral("Feiertagsnamen im Kalender"));

    // The list is found by its label; the picture-only button by its hint.
    QStringList buddies;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->buddy() != nullptr)
            buddies << label->text() + QLatin1Char('>') + label->buddy()->objectName();
    }
    EXPECT_EQ(buddies, QStringList{QStringLiteral("Bundesland:>ComboRegion")});

    TTesselButton *ok = Button(dialog, "btnOK");
    TTesselButton *cancel = Button(dialog, "btnCancel");
    TTesselButton *help = Button(dialog, "btnHelp");
    ASSERT_TRUE(ok && cancel && help);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->Default());
    EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(cancel->Cancel());
    EXPECT_EQ(help->accessibleName(), QStringLiteral("Hilfe"));
    EXPECT_EQ(help->toolTip(), QStringLiteral("Hilfe"));
}

// The dialog is run modally and worked from the keyboard or with the mouse
// as a user would.
TEST(FormRegion, OkTakesTheChoiceCancelKeepsTheGivenValues)
{
    struct TCase
    {
        const char *Name;
        int Region;
        bool Show;
        std::function<void(QDialog &)> Work;
        int Result;
        int ExpectedRegion;
        bool ExpectedShow;
    };
    const auto pickAndPress = [](int downs, Qt::Key key) {
        return [downs, key](QDialog &dialog) {
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(Combo(dialog), Qt::Key_Down);
            QTest::keyClick(CheckBox(dialog), Qt::Key_Space);
            QTest::keyClick(Combo(dialog), key);
        };
    };
    const auto pickAndClick = [](int index, const char *button) {
        return [index, button](QDialog &dialog) {
            Combo(dialog)->setCurrentIndex(index);
            QTest::mouseClick(CheckBox(dialog), Qt::LeftButton);
            QTest::mouseClick(Button(dialog, button), Qt::LeftButton);
        };
    };
    const TCase cases[] = {
        {"ReturnAccepts", 2, true, pickAndPress(3, Qt::Key_Return), QDialog::Accepted, 5, false},
        {"ReturnFromAnOddRegion", 25, false, pickAndPress(1, Qt::Key_Return), QDialog::Accepted, 1, true},
        {"OkButton", 4, true, pickAndClick(17, "btnOK"), QDialog::Accepted, 17, false},
        {"OkUnchanged", 9, false, [](QDialog &d) { QTest::mouseClick(Button(d, "btnOK"), Qt::LeftButton); },
         QDialog::Accepted, 9, false},
        {"EscapeRejects", 2, true, pickAndPress(3, Qt::Key_Escape), QDialog::Rejected, 2, true},
        {"CancelButton", 4, false, pickAndClick(13, "btnCancel"), QDialog::Rejected, 4, false},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Name);
        TFormRegion dialog(c.Region, c.Show, QString());
        TModalAnswerer answerer;
        bool worked = false;
        answerer.SetDialogHandler([&](QDialog *open) {
            // Still open after the user's work: end it with a result no
            // case expects.
            if (worked) {
                open->done(-1);
                return;
            }
            worked = true;
            c.Work(*open);
        });
        EXPECT_EQ(dialog.exec(), c.Result);
        EXPECT_EQ(dialog.Region(), c.ExpectedRegion);
        EXPECT_EQ(dialog.ShowHolidays(), c.ExpectedShow);
    }
}

TEST(FormRegion, HelpOpensTheRegionTopic)
{
    QTemporaryDir dir;
    const QString helpFile = dir.filePath(QStringLiteral("VekRech.html"));
    QFile file(helpFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h2><a name=\"1000\"></a>Inhalt</h2>"
               "<h2><a name=\"1013\"></a>Feiertage</h2></body></html>");
    file.close();

    TFormRegion dialog(0, true, helpFile);
    QTest::mouseClick(Button(dialog, "btnHelp"), Qt::LeftButton);
    const auto windows = dialog.findChildren<THelpWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_EQ(windows.front()->Browser()->source().fragment(), QStringLiteral("1013"));
    EXPECT_EQ(windows.front()->Browser()->source().toLocalFile(), helpFile);
}

} // namespace
