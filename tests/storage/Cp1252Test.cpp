#include "storage/Cp1252.h"
#include "storage/ShortString.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct CodePageCase
{
    const char16_t *Text;
    QByteArray Bytes;
};

class Cp1252Encode : public ::testing::TestWithParam<CodePageCase>
{
};

TEST_P(Cp1252Encode, MapsCharactersToTheirByte)
{
    EXPECT_EQ(ToCp1252(QString::fromUtf16(GetParam().Text)), GetParam().Bytes);
}

INSTANTIATE_TEST_SUITE_P(
    CodePage, Cp1252Encode,
    ::testing::Values(CodePageCase{u"12.50 €", QByteArray("12.50 \x80", 7)},
                      CodePageCase{u"Überwiesen", QByteArray("\xDC" "berwiesen")},
                      CodePageCase{u"Straße", QByteArray("Stra\xDF" "e")},
                      CodePageCase{u"„Zitat“ – ‚kurz‘", QByteArray("\x84Zitat\x93 \x96 \x82kurz\x91")},
                      CodePageCase{u"Œuvre™", QByteArray("\x8Cuvre\x99")},
                      // Not in the code page: one '?' per character.
                      CodePageCase{u"→ 5 Ω", QByteArray("? 5 ?")},
                      CodePageCase{u"a\U0001F600b", QByteArray("a?b")},
                      CodePageCase{u"Zeile 1\r\nZeile 2", QByteArray("Zeile 1\r\nZeile 2")}));

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
}

TEST(Cp1252, DecodesTheHighBlock)
{
    EXPECT_EQ(FromCp1252(QByteArray("\x80\x8A\x9F")), QStringLiteral("€ŠŸ"));
    EXPECT_EQ(FromCp1252(QByteArray("\xE4\xF6\xFC")), QStringLiteral("äöü"));
}

TEST(ShortString, CutsToItsWidthWithoutAMessage)
{
    TShortString<60> name;
    name.SetText(QString(61, u'x'));
    EXPECT_EQ(name.Len, 60);
    EXPECT_EQ(name.Text(), QString(60, u'x'));

    // Width counts code-page bytes: a euro sign takes one.
    TShortString<10> amount;
    amount.SetText(QStringLiteral("1234567.50 €"));
    EXPECT_EQ(amount.Text(), QStringLiteral("1234567.50"));
}

TEST(ShortString, ADamagedLengthByteNeverReadsPastTheField)
{
    TShortString<3> id;
    id.SetText(QStringLiteral("001"));
    id.Len = 255;
    EXPECT_EQ(id.Size(), 3u);
    EXPECT_EQ(id.Text(), QStringLiteral("001"));
    id.Mask();
    id.Mask();
    EXPECT_EQ(id.Text(), QStringLiteral("001"));
}

} // namespace
