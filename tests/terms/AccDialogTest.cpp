#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "controls/TesselButton.h"
#include "terms/AccDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString NoHelp = QStringLiteral("/nirgends/VekRech.html");

// Whether a caption is shown whole: labels and check boxes at their wished
// width, buttons with their caption inside the frame.
bool TextFits(const QWidget &w)
{
    if (const auto *button = qobject_cast<const TTesselButton *>(&w))
        return button->fontMetrics().horizontalAdvance(button->Caption()) + 8 <= button->width();
    if (qobject_cast<const QLabel *>(&w) != nullptr || qobject_cast<const QCheckBox *>(&w) != nullptr)
        return w.sizeHint().width() <= w.width() && w.sizeHint().height() <= w.height();
    return true;
}

class AccDialogTest : public ::testing::Test
{
protected:
    // Shown and active, so that focus, Enter and Esc behave as for the user.
    std::unique_ptr<TAccDialog> Open(const QString &name, const QString &legend)
    {
        auto dialog = std::make_unique<TAccDialog>(QStringLiteral("Rechnung bearbeiten..."), name, legend, NoHelp);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QCoreApplication::processEvents();
        return dialog;
    }

    static QComboBox *Name(TAccDialog &d) { return d.findChild<QComboBox *>(QStringLiteral("ComboName")); }
    static QLineEdit *Legend(TAccDialog &d) { return d.findChild<QLineEdit *>(QStringLiteral("EditLegende")); }
    static TTesselButton *Button(TAccDialog &d, const char *name)
    {
        return d.findChild<TTesselButton *>(QString::fromLatin1(name));
    }

    // Replaces the whole text of a field the way a user does.
    static void Retype(QWidget *field, const QString &ascii)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, ascii);
    }
};

TEST_F(AccDialogTest, ShowsTheGivenTextsWithTheProposalsBehindThem)
{
    auto d = Open(QString(), QString());
    QComboBox *combo = Name(*d);
    ASSERT_NE(combo, nullptr);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Abfallgebühren"), QStringLiteral("Elternbeiträge Kindergarten"),
                                  QStringLiteral("GEZ"), QStringLiteral("Grundsteuer"), QStringLiteral("Hundesteuer"),
                                  QStringLiteral("Miete"), QStringLiteral("Strom"), QStringLiteral("Telefon"),
                                  QStringLiteral("Versicherung"), QStringLiteral("Wasser")}));
    EXPECT_EQ(combo->currentText(), QString()) << "a new invoice starts without a name, not with a proposal";
    EXPECT_FALSE(Button(*d, "btnOK")->isEnabled());

    auto edited = Open(QStringLiteral("Wasser"), QStringLiteral("Stadtwerke"));
    EXPECT_EQ(Name(*edited)->currentText(), QStringLiteral("Wasser"));
    EXPECT_EQ(Legend(*edited)->text(), QStringLiteral("Stadtwerke"));
    QWidget *focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == Name(*edited) || focus == Name(*edited)->lineEdit()) << "the name field takes the focus";
}

TEST_F(AccDialogTest, FieldsKeepTheirRecordWidths)
{
    auto d = Open(QString(), QString());
    const QString longText(120, u'x');
    struct Case
    {
        QWidget *Field;
        std::function<QString()> Text;
        int Width;
    };
    const Case cases[] = {
        {Name(*d), [&] { return Name(*d)->currentText(); }, 60},
        {Legend(*d), [&] { return Legend(*d)->text(); }, 100},
    };
    for (const Case &c : cases) {
        QTest::keyClicks(c.Field, longText);
        EXPECT_EQ(c.Text(), QString(c.Width, u'x'));
    }
}

TEST_F(AccDialogTest, TypedNameIsNotAddedToTheProposals)
{
    auto d = Open(QString(), QString());
    QTest::keyClicks(Name(*d), QStringLiteral("Kfz-Steuer"));
    QTest::keyClick(Name(*d), Qt::Key_Return);
    EXPECT_EQ(Name(*d)->count(), 10);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->Name(), QStringLiteral("Kfz-Steuer"));
}

TEST_F(AccDialogTest, OkFollowsWhetherTheNameIsEmpty)
{
    struct Case
    {
        const char *Typed;
        bool Enabled;
    };
    const Case cases[] = {{"", false}, {"   ", true}, {"Strom", true}, {" x ", true}};
    auto d = Open(QStringLiteral("Miete"), QString());
    for (const Case &c : cases) {
        Retype(Name(*d), QString::fromLatin1(c.Typed));
        EXPECT_EQ(Button(*d, "btnOK")->isEnabled(), c.Enabled) << '"' << c.Typed << '"';
    }
}

TEST_F(AccDialogTest, TimerCatchesAChangeThatSentNoSignal)
{
    auto d = Open(QStringLiteral("Miete"), QString());
    {
        const QSignalBlocker quiet(Name(*d));
        Name(*d)->setEditText(QString());
    }
    ASSERT_TRUE(Button(*d, "btnOK")->isEnabled()) << "nothing told the dialog yet";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Button(*d, "btnOK")->isEnabled(); }, 2000));
}

TEST_F(AccDialogTest, EmptyNameCannotBeConfirmed)
{
    auto d = Open(QStringLiteral("Miete"), QString());
    Retype(Name(*d), QString());
    QTest::keyClick(Name(*d), Qt::Key_Return);
    d->accept();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->Name(), QStringLiteral("Miete"));
}

TEST_F(AccDialogTest, ConfirmingHandsBackBothTexts)
{
    struct Case
    {
        const char *How;
        QString Name;
        QString Legend;
    };
    const Case cases[] = {
        {"click", QStringLiteral("Grundsteuer"), QStringLiteral("Stadtkasse Musterstadt, Kassenzeichen 4711")},
        {"enter in name", QStringLiteral("  "), QString()},
        {"enter in legend", QStringLiteral("Müll#Tonne"), QStringLiteral("Größe 120 l")},
    };
    for (const Case &c : cases) {
        auto d = Open(QStringLiteral("Alt"), QStringLiteral("alte Beschreibung"));
        Name(*d)->setEditText(c.Name);
        Legend(*d)->setText(c.Legend);
        const std::string how = c.How;
        if (how == "click")
            Button(*d, "btnOK")->click();
        else
            QTest::keyClick(how == "enter in name" ? static_cast<QWidget *>(Name(*d)) : Legend(*d), Qt::Key_Return);
        EXPECT_EQ(d->result(), QDialog::Accepted) << c.How;
        EXPECT_FALSE(d->isVisible()) << c.How;
        EXPECT_EQ(d->Name(), c.Name) << c.How;
        EXPECT_EQ(d->Legend(), c.Legend) << c.How;
    }
}

TEST_F(AccDialogTest, CancellingKeepsTheGivenTexts)
{
    enum class How
    {
        Button,
        Escape,
        Close
    };
    for (How how : {How::Button, How::Escape, How::Close}) {
        auto d = Open(QStringLiteral("Strom"), QStringLiteral("Abschlag"));
        Retype(Name(*d), QStringLiteral("Gas"));
        Retype(Legend(*d), QStringLiteral("Neu"));
        switch (how) {
        case How::Button:
            Button(*d, "btnCancel")->click();
            break;
        case How::Escape:
            QTest::keyClick(Legend(*d), Qt::Key_Escape);
            break;
        case How::Close:
            d->close();
            break;
        }
        EXPECT_EQ(d->result(), QDialog::Rejected) << static_cast<int>(how);
        EXPECT_FALSE(d->isVisible()) << static_cast<int>(how);
        EXPECT_EQ(d->Name(), QStringLiteral("Strom")) << static_cast<int>(how);
        EXPECT_EQ(d->Legend(), QStringLiteral("Abschlag")) << static_cast<int>(how);
    }
}

TEST_F(AccDialogTest, LabelsNameTheirFieldsAndNothingIsClipped)
{
    auto d = Open(QStringLiteral("Elternbeiträge Kindergarten"), QString());
    EXPECT_EQ(d->size(), QSize(314, 201));
    QStringList buddies;
    for (const QLabel *label : d->findChildren<QLabel *>()) {
        if (label->buddy() != nullptr)
            buddies << label->text() + QStringLiteral(" → ") + label->buddy()->objectName();
    }
    buddies.sort();
    EXPECT_EQ(buddies, (QStringList{QStringLiteral("Kurzbeschreibung: → EditLegende"),
                                    QStringLiteral("Name der Rechnung: → ComboName")}));
    EXPECT_EQ(Button(*d, "btnHelp")->accessibleName(), QStringLiteral("Hilfe"));
    for (const QWidget *w : d->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible())
            continue;
        EXPECT_TRUE(d->rect().contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_TRUE(TextFits(*w)) << w->objectName().toStdString();
    }
}

} // namespace
