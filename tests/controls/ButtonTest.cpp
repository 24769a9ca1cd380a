#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ListsTestSupport.h"
#include "controls/TesselButton.h"

#include <QDialog>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

// A button in a window of its own, so that it can take the focus.
class ButtonFixture : public ::testing::Test
{
protected:
    ButtonFixture()
    {
        // Away from the window's corner, where the offscreen pointer rests.
        button = new TTesselButton(QStringLiteral("Speichern"), &window);
        button->move(30, 30);
        other = new QLineEdit(&window);
        other->move(30, 70);
        window.resize(200, 110);
        ShowActive(window);
        other->setFocus();
    }

    void Hover()
    {
        const QPointF centre = QRectF(button->rect()).center();
        QEnterEvent enter(centre, centre, button->mapToGlobal(centre));
        QApplication::sendEvent(button, &enter);
    }

    QWidget window;
    TTesselButton *button;
    QLineEdit *other;
};

enum class TState
{
    Normal,
    Hover,
    Downed,
    MouseHeld,
    Disabled,
};

struct TFaceCase
{
    const char *Name;
    TState State;
    int Height;
    const char *Row0;
    const char *RowTMinus1;
    const char *RowT;
    const char *Bottom;
};

class ButtonFaceTest : public ButtonFixture, public ::testing::WithParamInterface<TFaceCase>
{
};

// With the frame off, the face's two gradients show at the left edge,
// far from the centred caption: T = height - height / 2.
TEST_P(ButtonFaceTest, FaceShowsTheStateColours)
{
    const TFaceCase &c = GetParam();
    button->SetShowFrame(false);
    button->resize(120, c.Height);
    switch (c.State) {
    case TState::Normal:
        break;
    case TState::Hover:
        Hover();
        break;
    case TState::Downed:
        button->SetDowned(true);
        break;
    case TState::MouseHeld:
        Hover();
        QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
        break;
    case TState::Disabled:
        button->setEnabled(false);
        Hover();
        break;
    }
    const QImage image = Snapshot(*button);
    const int t = c.Height - c.Height / 2;
    EXPECT_EQ(PixelAt(image, 2, 0), QString(c.Row0));
    EXPECT_EQ(PixelAt(image, 2, t - 1), QString(c.RowTMinus1));
    EXPECT_EQ(PixelAt(image, 2, t), QString(c.RowT));
    EXPECT_EQ(PixelAt(image, 2, c.Height - 1), QString(c.Bottom));
    if (c.State == TState::MouseHeld)
        QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonFaceTest,
    ::testing::Values(TFaceCase{"Normal", TState::Normal, 22, "#ebe8da", "#dedac7", "#cbc4a5", "#e6e2d2"},
                      TFaceCase{"NormalOddHeight", TState::Normal, 23, "#ebe8da", "#dedac7", "#cbc4a5", "#e6e2d2"},
                      TFaceCase{"Hover", TState::Hover, 22, "#e8f0ec", "#cfe2d8", "#b6d1c0", "#dbeae2"},
                      TFaceCase{"Downed", TState::Downed, 22, "#9bc1aa", "#c2dacb", "#b6d1c0", "#cfe2d8"},
                      TFaceCase{"DownedOddHeight", TState::Downed, 25, "#9bc1aa", "#c2dacb", "#b6d1c0", "#cfe2d8"},
                      TFaceCase{"MouseHeld", TState::MouseHeld, 22, "#9bc1aa", "#c2dacb", "#b6d1c0", "#cfe2d8"},
                      TFaceCase{"DisabledOverHover", TState::Disabled, 22, "#d9d9d9", "#c1c1c1", "#c1c1c1",
                                "#d9d9d9"}),
    [](const auto &info) { return std::string(info.param.Name); });

struct TFrameCase
{
    const char *Name;
    bool RoundEdge;
    bool Focused;
    bool TabStop;
    TState State;
    const char *Inner; // one pixel inside the frame, or nullptr for the face
};

class ButtonFrameTest : public ButtonFixture, public ::testing::WithParamInterface<TFrameCase>
{
};

TEST_P(ButtonFrameTest, FrameAndFocusFrame)
{
    const TFrameCase &c = GetParam();
    button->SetRoundEdge(c.RoundEdge);
    button->SetTabStop(c.TabStop);
    if (c.State == TState::Hover)
        Hover();
    if (c.State == TState::Downed)
        button->SetDowned(true);
    if (c.Focused)
        button->setFocus();
    ASSERT_EQ(button->hasFocus(), c.Focused);

    const QImage image = Snapshot(*button);
    const int w = image.width();
    const int h = image.height();
    for (const QPoint &p : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)})
        EXPECT_EQ(PixelAt(image, p.x(), p.y()), "#51715c") << p.x() << "," << p.y();
    // The corner pixel belongs to the frame only without round edges.
    if (c.RoundEdge)
        EXPECT_NE(PixelAt(image, 0, 0), "#51715c");
    else
        EXPECT_EQ(PixelAt(image, 0, 0), "#51715c");

    for (const QPoint &p : {QPoint(w / 2, 1), QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, h - 2)}) {
        if (c.Inner)
            EXPECT_EQ(PixelAt(image, p.x(), p.y()), QString(c.Inner)) << p.x() << "," << p.y();
        else
            EXPECT_NE(PixelAt(image, p.x(), p.y()), "#a39a78") << p.x() << "," << p.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ButtonFrameTest,
    ::testing::Values(TFrameCase{"RoundUnfocused", true, false, true, TState::Normal, nullptr},
                      TFrameCase{"SquareUnfocused", false, false, true, TState::Normal, nullptr},
                      TFrameCase{"FocusedNormal", true, true, true, TState::Normal, "#a39a78"},
                      TFrameCase{"FocusedHover", true, true, true, TState::Hover, "#7ea38b"},
                      TFrameCase{"FocusedDownedSquare", false, true, true, TState::Downed, "#668e74"},
                      TFrameCase{"FocusedWithoutTabStop", true, true, false, TState::Normal, nullptr}),
    [](const auto &info) { return std::string(info.param.Name); });

// Rows [from, to) and columns inside the frame: the span of dark caption
// pixels, or an empty rectangle.
QRect DarkPixels(const QImage &image, int from, int to)
{
    QRect found;
    for (int y = std::max(from, 2); y < std::min(to, image.height() - 2); ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

TEST_F(ButtonFixture, HashSplitsTheCaptionIntoTwoCentredLines)
{
    button->resize(120, 40);
    const int h = 40;
    const int middle = h / 2;
    const int lineHeight = QFontMetrics(button->font()).height();

    button->SetCaption(QStringLiteral("Scanvorgang#starten"));
    EXPECT_EQ(button->accessibleName(), "Scanvorgang starten");
    QImage image = Snapshot(*button);
    const QRect upper = DarkPixels(image, 0, middle - 2);
    const QRect lower = DarkPixels(image, middle + 2, h);
    ASSERT_FALSE(upper.isEmpty());
    ASSERT_FALSE(lower.isEmpty());
    EXPECT_LE(upper.top(), middle - lineHeight / 2) << "the first line stands above the middle";
    EXPECT_GE(lower.bottom(), middle + lineHeight / 2) << "the second line stands below it";
    EXPECT_GT(upper.width(), lower.width()) << "\"Scanvorgang\" is the longer line";
    EXPECT_NEAR(upper.center().x(), 60, 2);
    EXPECT_NEAR(lower.center().x(), 60, 2);

    button->SetCaption(QStringLiteral("Scanvorgang"));
    image = Snapshot(*button);
    EXPECT_TRUE(DarkPixels(image, 0, middle - lineHeight / 2 - 2).isEmpty()) << "one line keeps the upper band free";
    const QRect single = DarkPixels(image, 0, h);
    ASSERT_FALSE(single.isEmpty());
    EXPECT_NEAR(single.center().x(), 60, 2);
    EXPECT_NEAR(single.center().y(), middle, 3);
}

TEST_F(ButtonFixture, AccessibleNameIsTheSpokenCaption)
{
    button->SetCaption(QStringLiteral("&Drucken#starten"));
    EXPECT_EQ(button->accessibleName(), "Drucken starten");
    EXPECT_EQ(button->text(), "&Drucken#starten");
    button->SetCaption(QStringLiteral("Daten && Notiz"));
    EXPECT_EQ(button->accessibleName(), "Daten & Notiz");
}

TEST_F(ButtonFixture, DisabledCaptionIsGrey)
{
    button->SetCaption(QStringLiteral("WWWWWWWW"));
    auto darkest = [&] {
        const QImage image = Snapshot(*button);
        int value = 255;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                value = std::min(value, qGray(image.pixel(x, y)));
        return value;
    };
    EXPECT_LT(darkest(), 0x40);
    button->setEnabled(false);
    EXPECT_GE(darkest(), 0x78);
}

// A 10 x 10 picture: a magenta key colour around a red centre.
QImage KeyedPicture()
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(0xFF, 0x00, 0xFF));
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x)
            picture.setPixel(x, y, qRgb(0xFF, 0x00, 0x00));
    return picture;
}

struct TPictureCase
{
    const char *Name;
    const char *Caption;
    bool Enabled;
    int Left; // of the picture in a 120 x 22 button
    const char *Centre;
};

class ButtonPictureTest : public ButtonFixture, public ::testing::WithParamInterface<TPictureCase>
{
};

TEST_P(ButtonPictureTest, PictureIsPlacedKeyedAndGreyedWhenDisabled)
{
    const TPictureCase &c = GetParam();
    button->SetCaption(QString::fromUtf8(c.Caption));
    button->SetPicIdle(KeyedPicture());
    button->setEnabled(c.Enabled);
    const QImage image = Snapshot(*button);
    const int top = 22 / 2 - 5;
    EXPECT_EQ(PixelAt(image, c.Left + 5, top + 5), QString(c.Centre));
    EXPECT_EQ(PixelAt(image, c.Left + 2, top + 2), QString(c.Centre)) << "first red pixel";
    EXPECT_NE(PixelAt(image, c.Left + 1, top + 2), "#ff00ff") << "key colour is transparent";
    EXPECT_NE(PixelAt(image, c.Left + 1, top + 2), QString(c.Centre));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ButtonPictureTest,
    // Grey of red: 77 * 255 / 256 = 76.
    ::testing::Values(TPictureCase{"WithCaption", "OK", true, 4, "#ff0000"},
                      TPictureCase{"WithCaptionDisabled", "OK", false, 4, "#4c4c4c"},
                      TPictureCase{"Alone", "", true, 55, "#ff0000"}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(ButtonFixture, DisabledButtonIgnoresClicks)
{
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    button->click();
    EXPECT_EQ(clicked.count(), 0);
    button->setEnabled(true);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(button->hasFocus()) << "a click focuses the button";
}

// A dialog with an edit field, a plain autoDefault button and the two
// painted buttons OK (Default) and Abbrechen (Cancel).
class ButtonDialogTest : public ::testing::Test
{
protected:
    ButtonDialogTest()
    {
        auto *layout = new QHBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(plain);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        ok->SetDefault(true);
        cancel->SetCancel(true);
        ShowActive(dialog);
        edit->setFocus();
    }

    QDialog dialog;
    QLineEdit *edit = new QLineEdit;
    QPushButton *plain = new QPushButton(QStringLiteral("Andere"));
    TTesselButton *ok = new TTesselButton(QStringLiteral("OK"));
    TTesselButton *cancel = new TTesselButton(QStringLiteral("Abbrechen"));
    QSignalSpy okClicks{ok, &QAbstractButton::clicked};
    QSignalSpy cancelClicks{cancel, &QAbstractButton::clicked};
    QSignalSpy plainClicks{plain, &QAbstractButton::clicked};
    QSignalSpy finished{&dialog, &QDialog::finished};
};

enum class TFocusOn
{
    Edit,
    Plain,
    Ok,
};

struct TKeyCase
{
    const char *Name;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    TFocusOn Focus;
    bool OkEnabled;
    bool CancelEnabled;
    int OkClicks;
    int CancelClicks;
    int PlainClicks;
};

class ButtonKeyTest : public ButtonDialogTest, public ::testing::WithParamInterface<TKeyCase>
{
};

TEST_P(ButtonKeyTest, EnterAndEscReachDefaultAndCancel)
{
    const TKeyCase &c = GetParam();
    ok->setEnabled(c.OkEnabled);
    cancel->setEnabled(c.CancelEnabled);
    QWidget *target = c.Focus == TFocusOn::Edit ? static_cast<QWidget *>(edit)
                      : c.Focus == TFocusOn::Plain ? static_cast<QWidget *>(plain)
                                                   : static_cast<QWidget *>(ok);
    target->setFocus();
    ASSERT_TRUE(target->hasFocus());

    QTest::keyClick(target, c.Key, c.Modifiers);

    EXPECT_EQ(okClicks.count(), c.OkClicks);
    EXPECT_EQ(cancelClicks.count(), c.CancelClicks);
    EXPECT_EQ(plainClicks.count(), c.PlainClicks);
    EXPECT_EQ(finished.count(), 0) << "the dialog neither accepts nor rejects on its own";
    EXPECT_TRUE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ButtonKeyTest,
    ::testing::Values(
        TKeyCase{"ReturnInEdit", Qt::Key_Return, Qt::NoModifier, TFocusOn::Edit, true, true, 1, 0, 0},
        TKeyCase{"KeypadEnterInEdit", Qt::Key_Enter, Qt::KeypadModifier, TFocusOn::Edit, true, true, 1, 0, 0},
        TKeyCase{"EscInEdit", Qt::Key_Escape, Qt::NoModifier, TFocusOn::Edit, true, true, 0, 1, 0},
        TKeyCase{"ReturnOnPlainButton", Qt::Key_Return, Qt::NoModifier, TFocusOn::Plain, true, true, 0, 0, 1},
        TKeyCase{"ReturnOnDefaultItself", Qt::Key_Return, Qt::NoModifier, TFocusOn::Ok, true, true, 1, 0, 0},
        TKeyCase{"EscOnDefault", Qt::Key_Escape, Qt::NoModifier, TFocusOn::Ok, true, true, 0, 1, 0},
        TKeyCase{"ReturnDefaultDisabled", Qt::Key_Return, Qt::NoModifier, TFocusOn::Edit, false, true, 0, 0, 0},
        TKeyCase{"EscCancelDisabled", Qt::Key_Escape, Qt::NoModifier, TFocusOn::Edit, true, false, 0, 0, 0},
        TKeyCase{"ShiftReturnIsNoDialogKey", Qt::Key_Return, Qt::ShiftModifier, TFocusOn::Edit, true, true, 0, 0, 0}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(ButtonDialogTest, DefaultButtonTakesTheFocusWhenEnterClicksIt)
{
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_TRUE(ok->hasFocus());
}

TEST_F(ButtonDialogTest, DefaultAndCancelOffGiveTheKeysBackToTheDialog)
{
    ok->SetDefault(false);
    cancel->SetCancel(false);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 0);
    EXPECT_EQ(finished.count(), 1) << "QDialog rejects on Esc again";
}

TEST_F(ButtonDialogTest, ButtonMovedIntoAnotherWindowFollowsIt)
{
    QDialog second;
    auto *edit2 = new QLineEdit(&second);
    auto *moved = new TTesselButton(QStringLiteral("Weiter"));
    moved->SetDefault(true);
    moved->setParent(&second);
    ShowActive(second);
    QSignalSpy movedClicks(moved, &QAbstractButton::clicked);

    QTest::keyClick(edit2, Qt::Key_Return);
    EXPECT_EQ(movedClicks.count(), 1);
    EXPECT_EQ(okClicks.count(), 0);
}

} // namespace
