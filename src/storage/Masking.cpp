#include "storage/Masking.h"

void MaskBytes(char *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ MaskKey(i + 1));
}

QByteArray MaskText(QByteArrayView text)
{
    QByteArray out = text.toByteArray();
    MaskBytes(out.data(), static_cast<std::size_t>(out.size()));
    return out;
}
