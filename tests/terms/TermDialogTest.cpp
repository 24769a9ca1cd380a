#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "controls/TesselButton.h"
#include "terms/TermDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTest>

#include <algorithm>
#include <memory>

// Found by argument-dependent lookup, which searches TTermValues' namespace.
static void PrintTo(const TTermValues &v, std::ostream *out)
{
    *out << '{' << v.Payable.toStdString() << " | " << v.Amount.toStdString() << " | " << v.Descript.toStdString()
         << " | " << v.Remark.toStdString() << " | " << v.Done << '}';
}

namespace {

const QDate Today(2026, 5, 14);
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

// The values the add command hands in.
TTermValues AddValues()
{
    return {QStringLiteral("14.05.2026"), QStringLiteral("0.00"), QString(), QString(), false};
}

class TermDialogTest : public ::testing::Test
{
protected:
    // Shown and active, with the amount field focused.
    std::unique_ptr<TTermDialog> Open(const TTermValues &values)
    {
        auto dialog =
            std::make_unique<TTermDialog>(QStringLiteral("Zahlungstermin bearbeiten..."), values, Today, NoHelp);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        Amount(*dialog)->setFocus();
        QCoreApplication::processEvents();
        return dialog;
    }

    // An empty amount field with the focus, ready for typing.
    std::unique_ptr<TTermDialog> OpenEmptyAmount()
    {
        TTermValues values = AddValues();
        values.Amount.clear();
        return Open(values);
    }

    static QLineEdit *Amount(TTermDialog &d) { return d.findChild<QLineEdit *>(QStringLiteral("EditAmount")); }
    static QDateEdit *Payable(TTermDialog &d) { return d.findChild<QDateEdit *>(QStringLiteral("EditPayable")); }
    static QLineEdit *Descript(TTermDialog &d) { return d.findChild<QLineEdit *>(QStringLiteral("EditDescript")); }
    static QComboBox *Remark(TTermDialog &d) { return d.findChild<QComboBox *>(QStringLiteral("ComboRemark")); }
    static QCheckBox *Done(TTermDialog &d) { return d.findChild<QCheckBox *>(QStringLiteral("CheckBoxOK")); }
    static TTesselButton *Button(TTermDialog &d, const char *name)
    {
        return d.findChild<TTesselButton *>(QString::fromLatin1(name));
    }

    static TTermValues Save(TTermDialog &d)
    {
        Button(d, "btnOK")->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        return d.Values();
    }
};

TEST_F(TermDialogTest, UnchangedValuesComeBackAsGiven)
{
    const TTermValues cases[] = {
        AddValues(),
        {QStringLiteral("29.02.2028"), QStringLiteral("1.2.3"), QStringLiteral("Jahresbeitrag Größe M"),
         QStringLiteral("Überwiesen am 01.02.2028"), true},
        {QStringLiteral("01.03.2027"), QStringLiteral("12345.67"), QString(60, u'ä'), QString(30, u'ß'), false},
    };
    for (const TTermValues &given : cases) {
        auto d = Open(given);
        EXPECT_EQ(Amount(*d)->text(), given.Amount);
        EXPECT_EQ(Save(*d), given);
    }
}

TEST_F(TermDialogTest, DatePickerShowsAndReturnsTheDueDate)
{
    TTermValues given = AddValues();
    given.Payable = QStringLiteral("01.03.2027");
    auto d = Open(given);
    EXPECT_EQ(Payable(*d)->date(), QDate(2027, 3, 1));
    EXPECT_EQ(Payable(*d)->text(), QStringLiteral("01.03.2027"));
    EXPECT_TRUE(Payable(*d)->calendarPopup());

    Payable(*d)->setDate(QDate(2027, 12, 31));
    EXPECT_EQ(Save(*d).Payable, QStringLiteral("31.12.2027"));
}

TEST_F(TermDialogTest, UnreadableDueDateShowsToday)
{
    for (const char *payable : {"", "31.02.2027", "2027-03-01"}) {
        TTermValues given = AddValues();
        given.Payable = QString::fromLatin1(payable);
        auto d = Open(given);
        EXPECT_EQ(Payable(*d)->date(), Today) << payable;
    }
}

TEST_F(TermDialogTest, TypingKeepsDigitsAndFullStopsOnly)
{
    struct Case
    {
        const char *Typed;
        const char *Field;
    };
    const Case cases[] = {
        {"12,5", "12.5"},       {"1a2b,3c", "12.3"},    {"-4 e5+x", "45"},
        {"1,2,3", "1.2.3"},     {"123456789", "12345678"}, {"99999.999", "99999.99"},
    };
    for (const Case &c : cases) {
        auto d = OpenEmptyAmount();
        QTest::keyClicks(Amount(*d), QString::fromLatin1(c.Typed));
        EXPECT_EQ(Amount(*d)->text(), QString::fromLatin1(c.Field)) << c.Typed;
        EXPECT_EQ(Save(*d).Amount, QString::fromLatin1(c.Field)) << c.Typed;
    }
}

TEST_F(TermDialogTest, KeypadCommaBecomesAFullStop)
{
    auto d = OpenEmptyAmount();
    QTest::keyClick(Amount(*d), Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(Amount(*d), Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClick(Amount(*d), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(Amount(*d)->text(), QStringLiteral("7.5"));
}

TEST_F(TermDialogTest, EditingKeysStillWork)
{
    struct Step
    {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char *Typed; // typed after the key, may be empty
        const char *Field;
    };
    const Step steps[] = {
        {Qt::Key_End, Qt::NoModifier, "", "12.50"},
        {Qt::Key_Backspace, Qt::NoModifier, "", "12.5"},
        {Qt::Key_Home, Qt::NoModifier, "9", "912.5"},
        {Qt::Key_Right, Qt::NoModifier, ",", "91.2.5"},
        {Qt::Key_Delete, Qt::NoModifier, "", "91..5"},
        {Qt::Key_Z, Qt::ControlModifier, "", "91.2.5"},
        {Qt::Key_A, Qt::ControlModifier, "3", "3"},
        {Qt::Key_Z, Qt::ControlModifier, "", "91.2.5"},
        {Qt::Key_End, Qt::NoModifier, "", "91.2.5"},
        {Qt::Key_Left, Qt::ShiftModifier, "0", "91.2.0"},
    };
    TTermValues given = AddValues();
    given.Amount = QStringLiteral("12.50");
    auto d = Open(given);
    for (const Step &s : steps) {
        QTest::keyClick(Amount(*d), s.Key, s.Modifiers);
        QTest::keyClicks(Amount(*d), QString::fromLatin1(s.Typed));
        EXPECT_EQ(Amount(*d)->text(), QString::fromLatin1(s.Field)) << s.Key << ' ' << s.Typed;
    }
}

TEST_F(TermDialogTest, PastedTextIsFilteredLikeTypedText)
{
    enum class How
    {
        CtrlV,
        ShiftInsert,
        ContextMenu
    };
    struct Case
    {
        const char *Name;
        How Way;
        const char *Before;
        int SelectFrom;
        int SelectLength;
        const char *Clipboard;
        const char *Field;
    };
    const Case cases[] = {
        {"ctrl v", How::CtrlV, "", 0, 0, "1,2a3", "1.23"},
        {"shift insert", How::ShiftInsert, "", 0, 0, "€ 4,50", "4.50"},
        {"context menu", How::ContextMenu, "", 0, 0, "1,2a3", "1.23"},
        {"over a selection", How::CtrlV, "100.00", 0, 3, "2x5", "25.00"},
        {"beyond the limit", How::CtrlV, "12", 2, 0, "3 4 5 6 7 8 9", "12345678"},
        {"nothing usable", How::CtrlV, "7.5", 0, 3, "abc", "7.5"},
    };
    for (const Case &c : cases) {
        TTermValues given = AddValues();
        given.Amount = QString::fromLatin1(c.Before);
        auto d = Open(given);
        QLineEdit *field = Amount(*d);
        field->setSelection(c.SelectFrom, c.SelectLength);
        if (c.SelectLength == 0)
            field->setCursorPosition(c.SelectFrom);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.Clipboard));
        switch (c.Way) {
        case How::CtrlV:
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case How::ShiftInsert:
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case How::ContextMenu: {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(field, &event);
            auto *menu = field->findChild<QMenu *>();
            ASSERT_NE(menu, nullptr);
            const QList<QAction *> actions = menu->actions();
            const auto paste = std::find_if(actions.begin(), actions.end(),
                                            [](const QAction *a) { return a->text().startsWith(u"&Paste"); });
            ASSERT_NE(paste, actions.end());
            (*paste)->trigger();
            menu->close();
            break;
        }
        }
        EXPECT_EQ(field->text(), QString::fromLatin1(c.Field)) << c.Name;
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QString::fromLatin1(c.Before)) << c.Name << ": undo takes the paste back";
    }
}

TEST_F(TermDialogTest, LongAmountOfAnOlderFileStaysWhole)
{
    TTermValues given = AddValues();
    given.Amount = QStringLiteral("1234567.89");
    auto d = Open(given);
    QLineEdit *field = Amount(*d);
    EXPECT_EQ(field->text(), QStringLiteral("1234567.89"));
    field->end(false);
    QTest::keyClicks(field, QStringLiteral("1"));
    EXPECT_EQ(field->text(), QStringLiteral("1234567.89")) << "no room for more";
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("0"));
    EXPECT_EQ(Save(*d).Amount, QStringLiteral("1234567.80"));
}

TEST_F(TermDialogTest, SpeichernNeedsAnAmount)
{
    auto d = Open(AddValues());
    TTesselButton *save = Button(*d, "btnOK");
    EXPECT_TRUE(save->isEnabled());
    QTest::keyClick(Amount(*d), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Amount(*d), Qt::Key_Delete);
    EXPECT_FALSE(save->isEnabled());
    QTest::keyClick(Amount(*d), Qt::Key_Return);
    d->accept();
    EXPECT_TRUE(d->isVisible()) << "an empty amount is never saved";
    QTest::keyClicks(Amount(*d), QStringLiteral("."));
    EXPECT_TRUE(save->isEnabled()) << "a lone full stop is an amount as typed";
}

TEST_F(TermDialogTest, TimerCatchesAChangeThatSentNoSignal)
{
    auto d = Open(AddValues());
    {
        const QSignalBlocker quiet(Amount(*d));
        Amount(*d)->clear();
    }
    ASSERT_TRUE(Button(*d, "btnOK")->isEnabled()) << "nothing told the dialog yet";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Button(*d, "btnOK")->isEnabled(); }, 2000));
}

TEST_F(TermDialogTest, RemarkProposalsCarryToday)
{
    TTermValues given = AddValues();
    given.Remark = QStringLiteral("Bar bezahlt");
    auto d = Open(given);
    QComboBox *combo = Remark(*d);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Erledigt"), QStringLiteral("Überwiesen am 14.05.2026"),
                                  QStringLiteral("Eingezahlt am 14.05.2026"), QStringLiteral("Übergeben am 14.05.2026"),
                                  QStringLiteral("Dauerauftrag"), QStringLiteral("Lastschrift")}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Bar bezahlt"));

    combo->setCurrentIndex(1);
    EXPECT_EQ(Save(*d).Remark, QStringLiteral("Überwiesen am 14.05.2026"));
}

TEST_F(TermDialogTest, TextFieldsKeepTheirRecordWidths)
{
    auto d = Open(AddValues());
    const QString longText(80, u'y');
    QTest::keyClicks(Descript(*d), longText);
    QTest::keyClicks(Remark(*d), longText);
    const TTermValues saved = Save(*d);
    EXPECT_EQ(saved.Descript, QString(60, u'y'));
    EXPECT_EQ(saved.Remark, QString(30, u'y'));
    EXPECT_EQ(Remark(*d)->count(), 6) << "a typed note is no new proposal";
}

TEST_F(TermDialogTest, DoneFlagRoundTrip)
{
    struct Case
    {
        bool Given;
        bool Toggle;
        bool Saved;
    };
    const Case cases[] = {{false, false, false}, {false, true, true}, {true, false, true}, {true, true, false}};
    for (const Case &c : cases) {
        TTermValues given = AddValues();
        given.Done = c.Given;
        given.Remark = QStringLiteral("Lastschrift");
        auto d = Open(given);
        EXPECT_EQ(Done(*d)->isChecked(), c.Given);
        if (c.Toggle)
            QTest::keyClick(Done(*d), Qt::Key_Space);
        const TTermValues saved = Save(*d);
        EXPECT_EQ(saved.Done, c.Saved) << c.Given << c.Toggle;
        EXPECT_EQ(saved.Remark, QStringLiteral("Lastschrift")) << "the note does not follow the flag";
    }
}

TEST_F(TermDialogTest, EnterSavesAndEscapeCancels)
{
    struct Case
    {
        Qt::Key Key;
        QDialog::DialogCode Result;
    };
    for (const Case &c : {Case{Qt::Key_Return, QDialog::Accepted}, Case{Qt::Key_Escape, QDialog::Rejected}}) {
        auto d = Open(AddValues());
        QTest::keyClicks(Amount(*d), QStringLiteral("5"));
        QTest::keyClick(Amount(*d), c.Key);
        EXPECT_FALSE(d->isVisible()) << c.Key;
        EXPECT_EQ(d->result(), c.Result) << c.Key;
        if (c.Result == QDialog::Accepted) {
            EXPECT_EQ(d->Values().Amount, QStringLiteral("0.005"));
        }
    }
}

TEST_F(TermDialogTest, LabelsNameTheirFieldsAndNothingOverlaps)
{
    auto d = Open({QStringLiteral("01.03.2027"), QStringLiteral("12345.67"), QStringLiteral("Abschlag"),
                   QStringLiteral("Überwiesen am 14.05.2026"), true});
    EXPECT_EQ(d->size(), QSize(353, 201));
    QStringList buddies;
    for (const QLabel *label : d->findChildren<QLabel *>()) {
        if (label->buddy() != nullptr)
            buddies << label->text() + QStringLiteral(" → ") + label->buddy()->objectName();
    }
    buddies.sort();
    EXPECT_EQ(buddies, (QStringList{QStringLiteral("Bemerkung: → EditDescript"), QStringLiteral("Betrag: → EditAmount"),
                                    QStringLiteral("Fällig am: → EditPayable")}));

    const auto *picture = d->findChild<QLabel *>(QStringLiteral("ImageTerm"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(140, 80));
    EXPECT_GT(picture->x(), d->width() / 2);
    EXPECT_LT(picture->y(), 20);

    const QList<QWidget *> children = d->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *w : children) {
        if (!w->isVisible())
            continue;
        const std::string name = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
        EXPECT_TRUE(d->rect().contains(w->geometry())) << name;
        EXPECT_TRUE(TextFits(*w)) << name;
        for (const QWidget *other : children) {
            if (other != w && other->isVisible()) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << name << " overlaps " << other->objectName().toStdString();
            }
        }
    }
}

} // namespace
