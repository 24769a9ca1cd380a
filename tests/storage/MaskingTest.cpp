#include "storage/Masking.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase
{
    QByteArray Plain;
    QByteArray Masked;
};

class MaskTextCase : public ::testing::TestWithParam<MaskCase>
{
};

TEST_P(MaskTextCase, MasksAndUnmasks)
{
    EXPECT_EQ(MaskText(GetParam().Plain).toHex(' '), GetParam().Masked.toHex(' '));
    EXPECT_EQ(MaskText(GetParam().Masked), GetParam().Plain);
}

INSTANTIATE_TEST_SUITE_P(
    FileExamples, MaskTextCase,
    ::testing::Values(MaskCase{"000", QByteArray::fromHex("383B3E")},
                      MaskCase{"abc", QByteArray::fromHex("69696D")},
                      MaskCase{"Miete", QByteArray::fromHex("45626B6571")},
                      MaskCase{"", ""},
                      // Ten zero bytes show the keys themselves: the tenth
                      // byte starts the sequence again.
                      MaskCase{QByteArray(10, '\0'), QByteArray::fromHex("080B0E1114171A1D0508")}));

TEST(MaskText, LineBreaksNeverBecomeZeroBytes)
{
    const QByteArray breaks = QByteArray("\r\n").repeated(20);
    EXPECT_FALSE(MaskText(breaks).contains('\0'));
}

} // namespace
