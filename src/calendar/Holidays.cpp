#include "calendar/Holidays.h"

#include "calendar/DateUtils.h"

#include <cstdint>
#include <limits>

constexpr std::array<QStringView, RegionCount> RegionNames = {
    u"Kein Bundesland",
    u"Baden-Württemberg",
    u"Bayern",
    u"Berlin",
    u"Brandenburg",
    u"Bremen",
    u"Hamburg",
    u"Hessen",
    u"Mecklenburg-Vorpommern",
    u"Niedersachsen",
    u"Nordrhein-Westfalen",
    u"Rheinland-Pfalz",
    u"Saarland",
    u"Sachsen",
    u"Sachsen-Anhalt",
    u"Schleswig-Holstein",
    u"Thüringen",
    u"Alle Bundesländer",
};

namespace {

using RegionMask = std::uint32_t;

constexpr RegionMask Bit(int region)
{
    return RegionMask{1} << region;
}

template <typename... Codes>
constexpr RegionMask Regions(Codes... codes)
{
    return (RegionMask{0} | ... | Bit(codes));
}

constexpr int BW = 1, BY = 2, BE = 3, BB = 4, HB = 5, HH = 6, HE = 7, MV = 8, NI = 9,
              NW = 10, RP = 11, SL = 12, SN = 13, ST = 14, SH = 15, TH = 16;

// Names stay plain literals: their length only matters for the one row that
// is returned.
struct THolidayRow
{
    const char16_t *Name = nullptr;
    QDate Date;
    bool Everywhere = false;
    RegionMask Regions = 0;
};

constexpr int HolidayRowCount = 21;
using THolidayRows = std::array<THolidayRow, HolidayRowCount>;

THolidayRow Everywhere(const char16_t *name, QDate date)
{
    return THolidayRow{name, date, true, 0};
}

THolidayRow Regional(const char16_t *name, QDate date, RegionMask regions)
{
    return THolidayRow{name, date, false, regions};
}

// The Sunday before Christmas Day; if Christmas is itself a Sunday, the one a
// week earlier. The Sundays of remembrance and the day of repentance count
// back from it.
QDate FourthAdvent(int year)
{
    const QDate christmas(year, 12, 25);
    const int weekday = christmas.dayOfWeek() % 7 + 1; // 1 = Sunday … 7 = Saturday
    return christmas.addDays(weekday == 1 ? -7 : -(weekday - 1));
}

RegionMask ReformationDayRegions(int year)
{
    RegionMask regions = Regions(BB, MV, SN, ST, TH, RegionAll);
    if (year >= 2018)
        regions |= Regions(HB, HH, NI, SH);
    return regions;
}

RegionMask WomensDayRegions(int year)
{
    RegionMask regions = 0;
    if (year >= 2019)
        regions |= Regions(BE, RegionAll);
    if (year >= 2023)
        regions |= Bit(MV);
    return regions;
}

RegionMask ChildrensDayRegions(int year)
{
    return year >= 2019 ? Regions(TH, RegionAll) : RegionMask{0};
}

// Order matters: when two rows fall on one day, the first one decides.
THolidayRows HolidayRows(int year)
{
    const QDate easter = EasterSunday(static_cast<std::uint16_t>(year));
    const QDate advent = FourthAdvent(year);
    // The Reformation's 500th anniversary: every state kept the day in 2017.
    const THolidayRow reformation = year == 2017
        ? Everywhere(u"Reformationstag", QDate(year, 10, 31))
        : Regional(u"Reformationstag", QDate(year, 10, 31), ReformationDayRegions(year));

    return THolidayRows{{
        Everywhere(u"Karfreitag", easter.addDays(-2)),
        Everywhere(u"Ostersonntag", easter),
        Everywhere(u"Ostermontag", easter.addDays(1)),
        Everywhere(u"Christi Himmelfahrt", easter.addDays(39)),
        Everywhere(u"Pfingstsonntag", easter.addDays(49)),
        Everywhere(u"Pfingstmontag", easter.addDays(50)),
        Everywhere(u"Neujahr", QDate(year, 1, 1)),
        Everywhere(u"Maifeiertag", QDate(year, 5, 1)),
        Everywhere(u"Tag der Deutschen Einheit", QDate(year, 10, 3)),
        Everywhere(u"1. Weihnachtsfeiertag", QDate(year, 12, 25)),
        Everywhere(u"2. Weihnachtsfeiertag", QDate(year, 12, 26)),
        Everywhere(u"Totensonntag", advent.addDays(-28)),
        Everywhere(u"Volkstrauertag", advent.addDays(-35)),
        Regional(u"Allerheiligen", QDate(year, 11, 1), Regions(BW, BY, NW, RP, SL, RegionAll)),
        Regional(u"Buß- und Bettag", advent.addDays(-32), Regions(SN, RegionAll)),
        Regional(u"Fronleichnam", easter.addDays(60), Regions(BW, BY, HE, NW, RP, SL, RegionAll)),
        Regional(u"Heilige 3 Könige", QDate(year, 1, 6), Regions(BW, BY, ST, RegionAll)),
        Regional(u"Mariä Himmelfahrt", QDate(year, 8, 15), Regions(BY, SL, RegionAll)),
        reformation,
        Regional(u"Internationaler Frauentag", QDate(year, 3, 8), WomensDayRegions(year)),
        Regional(u"Weltkindertag", QDate(year, 9, 20), ChildrensDayRegions(year)),
    }};
}

bool InRegionSet(RegionMask regions, int region)
{
    constexpr int MaskBits = std::numeric_limits<RegionMask>::digits;
    return region >= 0 && region < MaskBits && (regions & Bit(region)) != 0;
}

} // namespace

QString RegionName(int region)
{
    if (region < 0 || region >= RegionCount)
        return RegionNames[0].toString();
    return RegionNames[static_cast<std::size_t>(region)].toString();
}

QString HolidayName(QDate date, int region)
{
    // Easter is only known for the years EasterSunday takes.
    if (!date.isValid() || date.year() < 1
        || date.year() > std::numeric_limits<std::uint16_t>::max())
        return QString();

    for (const THolidayRow &row : HolidayRows(date.year())) {
        if (row.Date != date)
            continue;
        if (row.Everywhere || InRegionSet(row.Regions, region))
            return QString::fromUtf16(row.Name);
        return QString();
    }
    return QString();
}
