#pragma once

#include "storage/Cp1252.h"
#include "storage/Masking.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstdint>

// A length-prefixed text field of a data file: one length byte 0…N, then N
// bytes of Windows-1252 text. Its memory layout is its file layout, so
// records built from these fields can be read and written as they stand.
template <std::size_t N>
struct TShortString
{
    static_assert(N >= 1 && N <= 255, "the length must fit one byte");
    static constexpr std::size_t Capacity = N;

    std::uint8_t Len = 0;
    std::array<char, N> Chars{};

    // The stored length byte may claim more than the field holds in a
    // damaged file; never read past the field.
    std::size_t Size() const { return std::min<std::size_t>(Len, N); }
    bool IsEmpty() const { return Len == 0; }

    QByteArrayView Bytes() const { return QByteArrayView(Chars.data(), static_cast<qsizetype>(Size())); }
    QString Text() const { return FromCp1252(Bytes()); }

    // Cut to the field's width without a message.
    void SetBytes(QByteArrayView bytes)
    {
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), N);
        std::copy_n(bytes.data(), n, Chars.data());
        std::fill(Chars.begin() + static_cast<std::ptrdiff_t>(n), Chars.end(), '\0');
        Len = static_cast<std::uint8_t>(n);
    }
    void SetText(QStringView text) { SetBytes(ToCp1252(text)); }
    void Clear() { SetBytes({}); }

    // Masks or unmasks the text bytes in place; the length byte stays.
    void Mask() { MaskBytes(Chars.data(), Size()); }

    // Bytes past the length carry no meaning and take no part.
    bool operator==(const TShortString &other) const { return Bytes() == other.Bytes(); }
};
