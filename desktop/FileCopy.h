#pragma once

#include <QString>

#include <filesystem>
#include <system_error>

namespace orvel {

// Whole-file copies that never leave a half-written file in place of the old one.
class FileCopy {
public:
    // Copies `source` into a new file beside `target`, checks that it holds every
    // byte, and only then puts it in `target`'s place. On failure `target` is as it
    // was and the new file is removed.
    static std::error_code replace(const QString &source, const QString &target);

    // As replace(), but a hard link to `source` stands in for the copy where the file
    // system allows one; for read-only mirrors of files that are only ever replaced.
    static std::error_code mirror(const QString &source, const QString &target);

    static std::filesystem::path native(const QString &path);
};

} // namespace orvel
