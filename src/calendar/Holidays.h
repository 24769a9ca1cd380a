#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>

// Region codes: 0 "Kein Bundesland", 1…16 the federal states, 17 all states.
inline constexpr int RegionCount = 18;
inline constexpr int RegionAll = 17;

extern const std::array<QStringView, RegionCount> RegionNames;

// Name of the region code, or the name of code 0 for a code outside 0…17.
QString RegionName(int region);

// Name of the public holiday on the given day as seen from the region, or an
// empty string. Only the date counts; nothing is cached between calls. Empty
// for years outside 1…65535, where Easter is not computed.
QString HolidayName(QDate date, int region);
