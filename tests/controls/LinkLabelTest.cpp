#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ListsTestSupport.h"
#include "controls/VekLinkLabel.h"
#include "controls/VekMailLabel.h"
#include "controls/VekUrlLabel.h"
#include "support/ModalAnswerer.h"

#include <QEnterEvent>
#include <QTest>

#include <functional>
#include <memory>

namespace {

enum class TWay
{
    Mouse,
    Return,
    Space,
};

void Activate(TVekLinkLabel &label, TWay way)
{
    switch (way) {
    case TWay::Mouse:
        QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
        break;
    case TWay::Return:
        QTest::keyClick(&label, Qt::Key_Return);
        break;
    case TWay::Space:
        QTest::keyClick(&label, Qt::Key_Space);
        break;
    }
}

// Records what a label did: "clicked" and "open <url>", in order.
struct TRecorder
{
    explicit TRecorder(TVekLinkLabel &label, bool opens = true)
    {
        QObject::connect(&label, &TVekLinkLabel::clicked, [this] { Events << QStringLiteral("clicked"); });
        label.SetOpener([this, opens](const QUrl &url) {
            Events << QStringLiteral("open ") + url.toString();
            return opens;
        });
    }

    QStringList Events;
};

struct TLabelCase
{
    const char *Name;
    std::function<std::unique_ptr<TVekLinkLabel>()> Make;
    const char *Caption;
    const char *Opened; // nullptr: the label opens nothing
    TWay Way;
};

class LinkLabelTest : public ::testing::TestWithParam<TLabelCase>
{
};

TEST_P(LinkLabelTest, ClickReportsThenOpensTheTarget)
{
    const TLabelCase &c = GetParam();
    const std::unique_ptr<TVekLinkLabel> label = c.Make();
    label->show();
    TRecorder recorder(*label);
    EXPECT_EQ(label->text(), c.Caption);

    Activate(*label, c.Way);

    QStringList expected{QStringLiteral("clicked")};
    if (c.Opened)
        expected << QStringLiteral("open ") + QString::fromUtf8(c.Opened);
    EXPECT_EQ(recorder.Events, expected);
}

std::unique_ptr<TVekLinkLabel> UrlLabel()
{
    return std::make_unique<TVekUrlLabel>();
}

std::unique_ptr<TVekLinkLabel> MailLabel()
{
    return std::make_unique<TVekMailLabel>();
}

std::unique_ptr<TVekLinkLabel> PlainLabel()
{
    return std::make_unique<TVekLinkLabel>(QStringLiteral("Lizenz"));
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LinkLabelTest,
    ::testing::Values(
        TLabelCase{"UrlByMouse", UrlLabel, "https://www.zandivo.de", "https://www.zandivo.de", TWay::Mouse},
        TLabelCase{"UrlByReturn", UrlLabel, "https://www.zandivo.de", "https://www.zandivo.de", TWay::Return},
        TLabelCase{"MailByMouse", MailLabel, "info@zandivo.de", "mailto:info@zandivo.de", TWay::Mouse},
        TLabelCase{"MailBySpace", MailLabel, "info@zandivo.de", "mailto:info@zandivo.de", TWay::Space},
        TLabelCase{"PlainByMouse", PlainLabel, "Lizenz", nullptr, TWay::Mouse}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST(LinkLabelTargetTest, ChangedTargetIsOpenedAndTheCaptionStays)
{
    TVekUrlLabel url;
    TRecorder urlRecorder(url);
    url.SetUrl(QStringLiteral("https://www.zandivo.de/hilfe"));
    url.Activate();
    EXPECT_EQ(url.text(), "https://www.zandivo.de");
    EXPECT_EQ(urlRecorder.Events.last(), "open https://www.zandivo.de/hilfe");

    TVekMailLabel mail;
    TRecorder mailRecorder(mail);
    for (const QString &address : {QStringLiteral("support@zandivo.de"), QStringLiteral("mailto:support@zandivo.de")}) {
        mail.SetMailAdress(address);
        mail.Activate();
        EXPECT_EQ(mailRecorder.Events.last(), "open mailto:support@zandivo.de") << address.toStdString();
    }
}

TEST(LinkLabelTargetTest, FailedStartIsReported)
{
    TVekUrlLabel label;
    TRecorder recorder(label, false);
    const TModalAnswerer answerer;
    label.Activate();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen().front().Text, "Das externe Programm konnte nicht gestartet werden!");
    EXPECT_EQ(answerer.Seen().front().Title, "Fehlermeldung");
    EXPECT_EQ(answerer.Seen().front().Icon, QMessageBox::Critical);
}

TEST(LinkLabelLookTest, BlueUnderlinedOnlyWhileHovered)
{
    TVekMailLabel label;
    label.show();
    EXPECT_EQ(label.palette().color(QPalette::WindowText).name(), "#0000ff");
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(label.font().bold());
    EXPECT_FALSE(label.font().underline());

    const QPointF centre = QRectF(label.rect()).center();
    QEnterEvent enter(centre, centre, label.mapToGlobal(centre));
    QApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_FALSE(label.font().underline());
}

} // namespace
