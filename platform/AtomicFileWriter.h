#pragma once

#include "platform/FileWriter.h"

namespace orvel {

// Replaces a file's content as a whole: the new bytes go into a file beside the old
// one, which replaces it only once it is complete and closed. A failed or
// interrupted write leaves the old file as it was and no temporary file behind.
class AtomicFileWriter final : public FileWriter {
public:
    Result<> write(const QString &path, const QByteArray &bytes) const override;

    // The writer used where none is passed in. It holds no state, so one serves all.
    static const AtomicFileWriter &standard();
};

} // namespace orvel
