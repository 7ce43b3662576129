#pragma once

#include <QString>

#include <optional>

namespace orvel {

// Maps handheld paths ("\Program Files\OrvelWin\Horoskop.xml") into the folder that
// stands for the handheld's file system. The handheld's file names are not
// case-sensitive, so each component is matched to what exists whatever its case; a
// component that does not exist yet gets the spelling the handheld program reads.
class DevicePath {
public:
    // The local path for `handheldPath` under `deviceRoot`; nothing when the path would
    // leave the root ("..", a drive part, a link that points out of it).
    static std::optional<QString> resolve(const QString &deviceRoot, const QString &handheldPath);
};

} // namespace orvel
