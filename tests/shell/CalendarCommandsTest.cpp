// Paging, dragging and the region of the main window's calendar.
#include "controls/VistaGradPanel.h"
#include "controls/WheelScrollBox.h"
#include "shell/FormVekRech.h"
#include "shell/MainCommands.h"
#include "terms/AccOperations.h"

#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QPrinterInfo>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class CalendarCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(QDir::homePath() + QStringLiteral("/.config/Zandivo")).removeRecursively();
        ASSERT_TRUE(Window.FormCreate());
        Window.State().Clock.Pin(QDateTime(QDate(2017, 3, 14), QTime(10, 0)));
        Window.CalendarNow();
    }

    void Trigger(const char *name)
    {
        Window.Timer1Timer();
        Window.Commands().Action(QString::fromLatin1(name))->trigger();
    }

    bool Enabled(const char *name)
    {
        Window.Timer1Timer();
        return Window.Commands().Action(QString::fromLatin1(name))->isEnabled();
    }

    // The enabled state the context menu gives its entries when it opens.
    void OpenContextMenu()
    {
        auto *image = Window.findChild<QLabel *>(QStringLiteral("ImageCalender"));
        emit image->customContextMenuRequested(QPoint(5, 5));
        auto *menu = Window.findChild<QMenu *>(QStringLiteral("PM_Calendar"));
        menu->hide();
    }

    bool ContextEnabled(const char *name) { return Window.Commands().Action(QString::fromLatin1(name))->isEnabled(); }

    QDate Shown() const { return Window.State().CalendarDate; }

    TModalAnswerer Answerer;
    TFormVekRech Window;
};

TEST_F(CalendarCommands, PagingCrossesTheYear)
{
    Window.State().CalendarDate = QDate(2017, 12, 20);
    Trigger("mCalendar_Next");
    EXPECT_EQ(Shown(), QDate(2018, 1, 1));
    Trigger("TB_Calendar_Back");
    EXPECT_EQ(Shown(), QDate(2017, 12, 1));
    Trigger("mCalendar_Now");
    EXPECT_EQ(Shown(), QDate(2017, 3, 14));
    EXPECT_FALSE(Enabled("mCalendar_Now"));
    Trigger("TB_Calendar_Next");
    EXPECT_TRUE(Enabled("mCalendar_Now"));
    EXPECT_TRUE(Enabled("TB_Calendar_Now"));
}

TEST_F(CalendarCommands, ContextMenuPagesOnlyWithinTheYear)
{
    Window.State().CalendarDate = QDate(2017, 12, 1);
    OpenContextMenu();
    EXPECT_FALSE(ContextEnabled("PM_Calendar_Next"));
    EXPECT_TRUE(ContextEnabled("PM_Calendar_Back"));
    // The main menu still pages to January.
    EXPECT_TRUE(Enabled("mCalendar_Next"));

    // March of another year while today is in March.
    Window.State().CalendarDate = QDate(2019, 3, 1);
    OpenContextMenu();
    EXPECT_FALSE(ContextEnabled("PM_Calendar_Now"));
    EXPECT_TRUE(Enabled("mCalendar_Now"));

    Window.State().CalendarDate = QDate(2017, 1, 1);
    OpenContextMenu();
    EXPECT_FALSE(ContextEnabled("PM_Calendar_Back"));
}

TEST_F(CalendarCommands, DraggingThePictureScrollsIt)
{
    TAccTable &table = Window.State().AccTable;
    for (int i = 0; i < 12; ++i) {
        const int slot = AddAccRecord(table, QStringLiteral("R%1").arg(i), QString());
        SetTerm(table[static_cast<std::size_t>(slot)], 0,
                {QStringLiteral("14.03.2017"), QStringLiteral("1"), QString(), QString(), false});
    }
    Window.resize(1000, 700);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Window.DrawMonthCalendar();
    auto *box = Window.findChild<TWheelScrollBox *>(QStringLiteral("ScrollBoxCalender"));
    auto *image = Window.findChild<QLabel *>(QStringLiteral("ImageCalender"));
    QScrollBar *bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);

    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(100, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 250), image->mapToGlobal(QPointF(100, 250)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image, &move);
    EXPECT_EQ(bar->value(), 50);
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(100, 250));

    // Beyond the range the bar stops at its end.
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(100, 300));
    QMouseEvent far(QEvent::MouseMove, QPointF(100, -5000), image->mapToGlobal(QPointF(100, -5000)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(image, &far);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(CalendarCommands, RegionDialogChangesCalendarAndStatusOnlyOnOk)
{
    auto *region = Window.findChild<TVistaGradPanel *>(QStringLiteral("VStatusRegion"));
    EXPECT_EQ(region->Caption(), QStringLiteral("Region: Kein Bundesland"));

    Answerer.SetDialogHandler([](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("ComboRegion"))->setCurrentIndex(2);
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBoxShow"))->setChecked(false);
        dialog->reject();
    });
    Trigger("mCalendar_Holidays");
    EXPECT_EQ(Window.State().Settings.Region, 0);
    EXPECT_TRUE(Window.State().Settings.HolidaysShow);
    EXPECT_EQ(region->Caption(), QStringLiteral("Region: Kein Bundesland"));

    Answerer.SetDialogHandler([](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("ComboRegion"))->setCurrentIndex(2);
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBoxShow"))->setChecked(false);
        dialog->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
    });
    Trigger("mCalendar_Holidays");
    EXPECT_EQ(Answerer.Dialogs().last(), QStringLiteral("Feiertage (Region)"));
    EXPECT_EQ(Window.State().Settings.Region, 2);
    EXPECT_FALSE(Window.State().Settings.HolidaysShow);
    EXPECT_EQ(region->Caption(), QStringLiteral("Region: Bayern"));
}

TEST_F(CalendarCommands, ANewDayRedrawsCalendarAndNextTerms)
{
    TAccTable &table = Window.State().AccTable;
    const int slot = AddAccRecord(table, QStringLiteral("Strom"), QString());
    SetTerm(table[static_cast<std::size_t>(slot)], 0,
            {QStringLiteral("15.03.2017"), QStringLiteral("1"), QString(), QString(), false});
    Window.FillNextTerms();
    Window.DrawMonthCalendar();
    auto *image = Window.findChild<QLabel *>(QStringLiteral("ImageCalender"));
    auto *next = Window.findChild<QTextEdit *>(QStringLiteral("RichEditNextTerms"));
    const qint64 before = image->pixmap().cacheKey();
    const auto dueColour = [&] {
        QTextCursor cursor(next->document()->findBlockByNumber(1));
        cursor.movePosition(QTextCursor::NextCharacter);
        return cursor.charFormat().foreground().color();
    };
    EXPECT_EQ(dueColour(), QColor(Qt::black));

    // Left open over midnight: the term of the 15th is due now.
    Window.State().Clock.Pin(QDateTime(QDate(2017, 3, 15), QTime(0, 1)));
    Window.Timer1Timer();
    EXPECT_NE(image->pixmap().cacheKey(), before);
    EXPECT_EQ(dueColour(), QColor(0x99, 0x22, 0x25));
}

TEST_F(CalendarCommands, PrintingWithoutAPrinterSaysSo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    const qsizetype before = Answerer.Seen().size();
    Trigger("mCalendar_Print");
    ASSERT_EQ(Answerer.Seen().size(), before + 1);
    EXPECT_TRUE(Answerer.Seen().last().Text.startsWith(QStringLiteral("Es wurde kein Drucker gefunden!")));
}

} // namespace
