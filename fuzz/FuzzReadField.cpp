// ReadField on bytes and on wide text must agree and always reach the end.
#include "FuzzFolder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *bytes = reinterpret_cast<const char *>(data);
    const qsizetype length = static_cast<qsizetype>(size);
    const QString text = QString::fromLatin1(bytes, length);
    qsizetype bytePosition = 0;
    qsizetype textPosition = 0;
    while (bytePosition < length) {
        const qsizetype before = bytePosition;
        const QString fromBytes = orvel::FieldReader::ReadField(bytes, length, bytePosition);
        const QString fromText = orvel::FieldReader::ReadField(text.constData(), length, textPosition);
        if (fromBytes != fromText || bytePosition != textPosition || bytePosition <= before)
            std::abort();
    }
    return 0;
}
