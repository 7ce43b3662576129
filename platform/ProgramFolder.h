#pragma once

#include <QString>

namespace orvel {

// The folder of the running program, where every data file of the program lies. The
// executable's own folder, unless the command line chose another (--root DIR), so that
// one binary can run any installed copy. Each program resolves it once at start and
// passes it to what reads from it.
class ProgramFolder {
public:
    // `chosen` without trailing separators, or the executable's folder when it is empty.
    static QString resolve(const QString &chosen);
    // A module file name cut before its last "\" (or, without one, its last "/").
    static QString folderOfModule(const QString &moduleFileName);
};

} // namespace orvel
