#include "MaskedFile.h"

#include "placedb/FieldReader.h"
#include "platform/AtomicFileWriter.h"

namespace orvel {

Result<> MaskedFile::write(const QString &path, QByteArray plain)
{
    FieldReader::UnmaskBuffer(plain.data(), plain.size());
    return AtomicFileWriter::standard().write(path, plain);
}

} // namespace orvel
