#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>

// The data files' text masking: byte i of a text (counted from 1, over the
// text's own bytes) is combined by exclusive or with ((i mod 9) * 3 + 5).
// Applying it twice gives the text back, so one routine masks and unmasks.
QByteArray MaskText(QByteArrayView text);

// The same masking in place.
void MaskBytes(char *bytes, std::size_t count);

// Key for the character at 1-based position i; the notes file uses the same
// sequence on 16-bit character codes.
constexpr unsigned MaskKey(std::size_t position)
{
    return static_cast<unsigned char>((position % 9) * 3 + 5);
}
