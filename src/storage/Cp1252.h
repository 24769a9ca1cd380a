#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The data files keep their texts in the Windows-1252 code page.

// A character the code page cannot hold becomes '?'; a surrogate pair counts
// as one character.
QByteArray ToCp1252(QStringView text);

// Every byte maps to a character; the five bytes the code page leaves
// undefined map to the control characters of the same number.
QString FromCp1252(QByteArrayView bytes);
