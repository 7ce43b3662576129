#pragma once

#include "platform/AtomicFileWriter.h"

#include <QString>

#include <filesystem>

namespace orvel {

// Whole-file copies that never leave a half-written file in place of the old one.
class FileCopy {
public:
    // Reads `source` whole and hands it to `writer`, which replaces `target` only once
    // the new file is complete. On failure `target` is as it was; the message names the
    // file that failed and the system's reason.
    static Result<> replace(const QString &source, const QString &target,
                            const FileWriter &writer = AtomicFileWriter::standard());

    // As replace(), but a hard link to `source` stands in for the copy where the file
    // system allows one; for read-only mirrors of files that are only ever replaced.
    static Result<> mirror(const QString &source, const QString &target);

    static std::filesystem::path native(const QString &path);
};

} // namespace orvel
