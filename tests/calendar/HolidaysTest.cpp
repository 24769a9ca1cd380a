#include "calendar/DateUtils.h"
#include "calendar/Holidays.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <utility>

namespace {

constexpr int NoRegion = 0;
constexpr int Bayern = 2;
constexpr int Berlin = 3;
constexpr int Bremen = 5;
constexpr int Hessen = 7;
constexpr int MecklenburgVorpommern = 8;
constexpr int Sachsen = 13;
constexpr int SachsenAnhalt = 14;
constexpr int Thueringen = 16;

// ------------------------------------------------------------------ regions

TEST(RegionName, NamesTheRegionCodes)
{
    EXPECT_EQ(RegionName(0), QStringLiteral("Kein Bundesland"));
    EXPECT_EQ(RegionName(1), QStringLiteral("Baden-Württemberg"));
    EXPECT_EQ(RegionName(8), QStringLiteral("Mecklenburg-Vorpommern"));
    EXPECT_EQ(RegionName(16), QStringLiteral("Thüringen"));
    EXPECT_EQ(RegionName(17), QStringLiteral("Alle Bundesländer"));

    QSet<QString> distinct;
    for (int code = 0; code < RegionCount; ++code) {
        EXPECT_EQ(RegionName(code), RegionNames[static_cast<std::size_t>(code)].toString());
        EXPECT_FALSE(RegionName(code).isEmpty()) << code;
        distinct.insert(RegionName(code));
    }
    EXPECT_EQ(distinct.size(), RegionCount);
}

TEST(RegionName, FallsBackToNoRegionOutsideTheCodes)
{
    for (int code : {-1, RegionCount, 31, 32, 1000})
        EXPECT_EQ(RegionName(code), QStringLiteral("Kein Bundesland")) << code;
}

// ------------------------------------------------------------ single days

struct THolidayCase
{
    QDate Date;
    int Region;
    const char16_t *Name; // empty: no holiday in that region
};

void PrintTo(const THolidayCase &c, std::ostream *os)
{
    *os << c.Date.toString(Qt::ISODate).toStdString() << " region " << c.Region;
}

class HolidayNameTest : public ::testing::TestWithParam<THolidayCase> {};

TEST_P(HolidayNameTest, NamesTheDay)
{
    const THolidayCase c = GetParam();
    EXPECT_EQ(HolidayName(c.Date, c.Region), QString::fromUtf16(c.Name));
}

// Christmas 2016 is a Sunday, 2017 a Monday, 2021 a Saturday: the three ways
// of counting back to the Sundays of November.
INSTANTIATE_TEST_SUITE_P(
    NovemberSundays, HolidayNameTest,
    ::testing::Values(THolidayCase{QDate(2017, 11, 26), NoRegion, u"Totensonntag"},
                      THolidayCase{QDate(2017, 11, 19), NoRegion, u"Volkstrauertag"},
                      THolidayCase{QDate(2017, 11, 22), Sachsen, u"Buß- und Bettag"},
                      THolidayCase{QDate(2017, 11, 22), RegionAll, u"Buß- und Bettag"},
                      THolidayCase{QDate(2017, 11, 22), NoRegion, u""},
                      THolidayCase{QDate(2017, 11, 22), Bayern, u""},
                      THolidayCase{QDate(2016, 11, 20), Hessen, u"Totensonntag"},
                      THolidayCase{QDate(2016, 11, 13), Hessen, u"Volkstrauertag"},
                      THolidayCase{QDate(2016, 11, 16), Sachsen, u"Buß- und Bettag"},
                      THolidayCase{QDate(2016, 11, 23), Sachsen, u""},
                      THolidayCase{QDate(2021, 11, 21), NoRegion, u"Totensonntag"},
                      THolidayCase{QDate(2021, 11, 14), NoRegion, u"Volkstrauertag"},
                      THolidayCase{QDate(2021, 11, 17), Sachsen, u"Buß- und Bettag"}));

INSTANTIATE_TEST_SUITE_P(
    EasterCycle2024, HolidayNameTest,
    ::testing::Values(THolidayCase{QDate(2024, 3, 29), NoRegion, u"Karfreitag"},
                      THolidayCase{QDate(2024, 3, 31), NoRegion, u"Ostersonntag"},
                      THolidayCase{QDate(2024, 4, 1), NoRegion, u"Ostermontag"},
                      THolidayCase{QDate(2024, 5, 9), NoRegion, u"Christi Himmelfahrt"},
                      THolidayCase{QDate(2024, 5, 19), NoRegion, u"Pfingstsonntag"},
                      THolidayCase{QDate(2024, 5, 20), NoRegion, u"Pfingstmontag"},
                      THolidayCase{QDate(2024, 5, 30), Hessen, u"Fronleichnam"},
                      THolidayCase{QDate(2024, 5, 30), Sachsen, u""},
                      THolidayCase{QDate(2024, 3, 30), NoRegion, u""}));

INSTANTIATE_TEST_SUITE_P(
    FixedDays, HolidayNameTest,
    ::testing::Values(THolidayCase{QDate(2017, 1, 1), NoRegion, u"Neujahr"},
                      THolidayCase{QDate(2017, 5, 1), NoRegion, u"Maifeiertag"},
                      THolidayCase{QDate(2017, 10, 3), NoRegion, u"Tag der Deutschen Einheit"},
                      THolidayCase{QDate(2017, 12, 25), NoRegion, u"1. Weihnachtsfeiertag"},
                      THolidayCase{QDate(2017, 12, 26), NoRegion, u"2. Weihnachtsfeiertag"},
                      THolidayCase{QDate(2017, 12, 24), RegionAll, u""},
                      THolidayCase{QDate(2017, 11, 1), NoRegion, u""},
                      THolidayCase{QDate(2017, 11, 1), Bayern, u"Allerheiligen"},
                      THolidayCase{QDate(2017, 11, 1), RegionAll, u"Allerheiligen"},
                      THolidayCase{QDate(2017, 11, 1), Sachsen, u""},
                      THolidayCase{QDate(2017, 1, 6), SachsenAnhalt, u"Heilige 3 Könige"},
                      THolidayCase{QDate(2017, 1, 6), Sachsen, u""},
                      THolidayCase{QDate(2017, 8, 15), Bayern, u"Mariä Himmelfahrt"},
                      THolidayCase{QDate(2017, 8, 15), Hessen, u""}));

INSTANTIATE_TEST_SUITE_P(
    ChangingLaws, HolidayNameTest,
    ::testing::Values(THolidayCase{QDate(2016, 10, 31), NoRegion, u""},
                      THolidayCase{QDate(2016, 10, 31), Bremen, u""},
                      THolidayCase{QDate(2016, 10, 31), Sachsen, u"Reformationstag"},
                      THolidayCase{QDate(2017, 10, 31), NoRegion, u"Reformationstag"},
                      THolidayCase{QDate(2017, 10, 31), Bayern, u"Reformationstag"},
                      THolidayCase{QDate(2018, 10, 31), Bremen, u"Reformationstag"},
                      THolidayCase{QDate(2018, 10, 31), Bayern, u""},
                      THolidayCase{QDate(2018, 10, 31), RegionAll, u"Reformationstag"},
                      THolidayCase{QDate(2018, 3, 8), Berlin, u""},
                      THolidayCase{QDate(2019, 3, 8), Berlin, u"Internationaler Frauentag"},
                      THolidayCase{QDate(2019, 3, 8), RegionAll, u"Internationaler Frauentag"},
                      THolidayCase{QDate(2019, 3, 8), NoRegion, u""},
                      THolidayCase{QDate(2022, 3, 8), MecklenburgVorpommern, u""},
                      THolidayCase{QDate(2023, 3, 8), MecklenburgVorpommern, u"Internationaler Frauentag"},
                      THolidayCase{QDate(2018, 9, 20), Thueringen, u""},
                      THolidayCase{QDate(2019, 9, 20), Thueringen, u"Weltkindertag"},
                      THolidayCase{QDate(2019, 9, 20), RegionAll, u"Weltkindertag"},
                      THolidayCase{QDate(2019, 9, 20), Sachsen, u""}));

// Ascension Day 2008 fell on 1 May: the earlier row wins in every region.
// Codes that are no region at all still see the nationwide days, and none of
// the regional ones, also not the unused codes below 32.
INSTANTIATE_TEST_SUITE_P(
    OddCodesAndCollisions, HolidayNameTest,
    ::testing::Values(THolidayCase{QDate(2008, 5, 1), NoRegion, u"Christi Himmelfahrt"},
                      THolidayCase{QDate(2008, 5, 1), RegionAll, u"Christi Himmelfahrt"},
                      THolidayCase{QDate(2008, 5, 1), -1, u"Christi Himmelfahrt"},
                      THolidayCase{QDate(2008, 5, 1), 99, u"Christi Himmelfahrt"},
                      THolidayCase{QDate(2017, 12, 25), -7, u"1. Weihnachtsfeiertag"},
                      THolidayCase{QDate(2017, 12, 25), 40, u"1. Weihnachtsfeiertag"},
                      THolidayCase{QDate(2017, 11, 1), 18, u""},
                      THolidayCase{QDate(2017, 11, 1), 31, u""},
                      THolidayCase{QDate(2017, 11, 1), 32, u""},
                      THolidayCase{QDate(2017, 11, 1), 33, u""},
                      THolidayCase{QDate(2017, 11, 1), -1, u""},
                      THolidayCase{QDate(2017, 11, 22), 45, u""},
                      THolidayCase{QDate(), RegionAll, u""}));

// ------------------------------------------------------------ properties

TEST(Holidays, NovemberDaysKeepTheirWeekdayAndPlaceInEveryYear)
{
    for (int year = 1583; year <= 2299; ++year) {
        QHash<QString, QDate> found;
        for (QDate day(year, 11, 1); day.month() == 11; day = day.addDays(1)) {
            const QString name = HolidayName(day, RegionAll);
            if (!name.isEmpty()) {
                ASSERT_FALSE(found.contains(name)) << name.toStdString() << ' ' << year;
                found.insert(name, day);
            }
        }
        // Totensonntag is the Sunday before the first of Advent.
        const QDate dead = found.value(QStringLiteral("Totensonntag"));
        ASSERT_EQ(dead.dayOfWeek(), Qt::Sunday) << year;
        ASSERT_GE(dead.day(), 20) << year;
        ASSERT_LE(dead.day(), 26) << year;
        EXPECT_EQ(found.value(QStringLiteral("Volkstrauertag")), dead.addDays(-7)) << year;
        EXPECT_EQ(found.value(QStringLiteral("Buß- und Bettag")), dead.addDays(-4)) << year;
        EXPECT_EQ(found.value(QStringLiteral("Allerheiligen")), QDate(year, 11, 1)) << year;
    }
}

// "All states" must show a day as soon as any state has it, and a day shown
// without a state must look the same from every state. The years span every
// change of the laws since 2017.
TEST(Holidays, AllStatesIsTheUnionAndNoRegionTheCommonPart)
{
    QStringList problems;
    for (QDate day(2014, 1, 1); day <= QDate(2024, 12, 31); day = day.addDays(1)) {
        const QString common = HolidayName(day, NoRegion);
        bool anyState = false;
        for (int state = 1; state <= 16; ++state) {
            const QString name = HolidayName(day, state);
            anyState = anyState || !name.isEmpty();
            if (!common.isEmpty() && name != common)
                problems << QStringLiteral("%1 state %2: %3 vs %4")
                                .arg(DateText(day)).arg(state).arg(name, common);
        }
        if (anyState == HolidayName(day, RegionAll).isEmpty())
            problems << QStringLiteral("%1: all states differs").arg(DateText(day));
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST(Holidays, YearsWithoutEasterHaveNoHolidays)
{
    EXPECT_EQ(HolidayName(QDate(65535, 1, 1), NoRegion), QStringLiteral("Neujahr"));
    EXPECT_TRUE(HolidayName(QDate(65536, 1, 1), NoRegion).isEmpty());
    EXPECT_TRUE(HolidayName(QDate(-1, 1, 1), NoRegion).isEmpty());
    EXPECT_EQ(HolidayName(EasterSunday(1), NoRegion), QStringLiteral("Ostersonntag"));
}

// ---------------------------------------------------- independent reference

constexpr std::array<std::pair<const char16_t *, int>, 16> StateCodes = {{
    {u"BW", 1}, {u"BY", 2}, {u"BE", 3}, {u"BB", 4}, {u"HB", 5}, {u"HH", 6},
    {u"HE", 7}, {u"MV", 8}, {u"NI", 9}, {u"NW", 10}, {u"RP", 11}, {u"SL", 12},
    {u"SN", 13}, {u"ST", 14}, {u"SH", 15}, {u"TH", 16},
}};

// The reference's names where ours differ; all others are spelled alike.
constexpr std::array<std::pair<const char16_t *, const char16_t *>, 3> ReferenceNames = {{
    {u"1. Weihnachtstag", u"1. Weihnachtsfeiertag"},
    {u"2. Weihnachtstag", u"2. Weihnachtsfeiertag"},
    {u"Heilige Drei Könige", u"Heilige 3 Könige"},
}};

// Berlin's one-off anniversaries, which the program does not know.
constexpr std::array<const char16_t *, 3> BerlinOneOffDays = {u"08.05.2020", u"08.05.2025", u"17.06.2028"};

// Days the program names although the reference has no holiday there.
bool IsIntendedExtra(const QString &name, int state)
{
    static constexpr std::array<const char16_t *, 4> Everywhere = {
        u"Ostersonntag", u"Pfingstsonntag", u"Totensonntag", u"Volkstrauertag"};
    for (const char16_t *extra : Everywhere) {
        if (name == QString::fromUtf16(extra))
            return true;
    }
    return state == Bayern && name == QStringLiteral("Mariä Himmelfahrt");
}

QString ProgramName(const QString &referenceName)
{
    for (const auto &[reference, program] : ReferenceNames) {
        if (referenceName == QString::fromUtf16(reference))
            return QString::fromUtf16(program);
    }
    return referenceName;
}

constexpr int FirstReferenceYear = 1990;
constexpr int LastReferenceYear = 2060;

qint64 DayKey(QDate day, int state)
{
    return day.toJulianDay() * 32 + state;
}

TEST(Holidays, MatchTheIndependentReferenceForEveryStateAndDay)
{
    QFile file(QStringLiteral(ZANDIVO_TEST_SOURCE_DIR "/calendar/data/holidays_de_public.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    ASSERT_EQ(in.readLine(), QStringLiteral("year\tstate\tdate\tname\ttype"));

    QHash<QString, int> stateCodes;
    for (const auto &[code, region] : StateCodes)
        stateCodes.insert(QString::fromUtf16(code), region);
    QSet<QString> oneOffs;
    for (const char16_t *day : BerlinOneOffDays)
        oneOffs.insert(QString::fromUtf16(day));

    // Several names on one day are possible (1 May 2008).
    QHash<qint64, QStringList> reference;
    QSet<int> years;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(u'\t');
        ASSERT_EQ(fields.size(), 5) << fields.join(u' ').toStdString();
        const QDate day = ParseDateText(fields[2]);
        ASSERT_TRUE(day.isValid()) << fields[2].toStdString();
        ASSERT_EQ(day.year(), fields[0].toInt());
        ASSERT_TRUE(stateCodes.contains(fields[1])) << fields[1].toStdString();
        ASSERT_GE(day.year(), FirstReferenceYear);
        ASSERT_LE(day.year(), LastReferenceYear);
        const int state = stateCodes.value(fields[1]);
        if (state == Berlin && oneOffs.contains(fields[2]))
            continue;
        reference[DayKey(day, state)].append(ProgramName(fields[3]));
        years.insert(day.year());
    }
    ASSERT_EQ(years.size(), LastReferenceYear - FirstReferenceYear + 1);

    QStringList mismatches;
    for (QDate day(FirstReferenceYear, 1, 1); day <= QDate(LastReferenceYear, 12, 31);
         day = day.addDays(1)) {
        for (int state = 1; state <= 16; ++state) {
            const QString name = HolidayName(day, state);
            const auto listed = reference.constFind(DayKey(day, state));
            const bool ok = listed == reference.cend()
                ? (name.isEmpty() || IsIntendedExtra(name, state))
                : listed->contains(name);
            if (!ok)
                mismatches << QStringLiteral("%1 %2: program \"%3\", reference \"%4\"")
                                  .arg(DateText(day), RegionName(state), name,
                                       listed == reference.cend() ? QString() : listed->join(u'/'));
        }
    }
    EXPECT_TRUE(mismatches.isEmpty())
        << mismatches.size() << " mismatches:\n" << mismatches.join(u'\n').toStdString();
}

} // namespace
