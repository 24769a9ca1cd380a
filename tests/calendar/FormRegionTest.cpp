#include "calendar/FormRegion.h"

#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(FormRegion, ShowsTheCurrentChoice)
{
    const std::tuple<int, bool, QString> cases[] = {
        {2, true, QStringLiteral("Bayern")},
        {17, false, QStringLiteral("Alle Bundesländer")},
        {25, true, QStringLiteral("Kein Bundesland")},
        {-3, true, QStringLiteral("Kein Bundesland")},
    };
    for (const auto &[region, show, name] : cases) {
        TFormRegion dialog(region, show, QString());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Feiertage (Region)"));
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("ComboRegion"));
        ASSERT_EQ(combo->count(), 18);
        EXPECT_EQ(combo->currentText(), name) << region;
        EXPECT_EQ(dialog.findChild<QCheckBox *>(QStringLiteral("CheckBoxShow"))->isChecked(), show);
    }
}

TEST(FormRegion, OkTakesTheChoiceCancelKeepsTheOldOne)
{
    {
        TFormRegion dialog(0, true, QString());
        dialog.findChild<QComboBox *>(QStringLiteral("ComboRegion"))->setCurrentIndex(13);
        dialog.findChild<QCheckBox *>(QStringLiteral("CheckBoxShow"))->setChecked(false);
        dialog.findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Region(), 13);
        EXPECT_FALSE(dialog.ShowHolidays());
    }
    {
        TFormRegion dialog(4, true, QString());
        dialog.findChild<QComboBox *>(QStringLiteral("ComboRegion"))->setCurrentIndex(13);
        dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.Region(), 4);
        EXPECT_TRUE(dialog.ShowHolidays());
    }
}

TEST(FormRegion, TheListIsNamedByItsLabel)
{
    TFormRegion dialog(0, true, QString());
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("ComboRegion"));
    bool labelled = false;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        labelled |= label->buddy() == combo && label->text() == QStringLiteral("Bundesland:");
    EXPECT_TRUE(labelled);
}

} // namespace
