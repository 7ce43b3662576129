#pragma once

#include <QString>

namespace orvel {

// The folder of the running program, where every data file of the program lies.
// The executable's own folder, unless the command line chose another (--root DIR),
// so that one binary can run any installed copy.
class ProgramFolder {
public:
    // Without a trailing separator.
    static QString path();
    // The file or folder `name` inside the program folder.
    static QString file(const QString &name);
    // Makes `dir` the program folder for the rest of the run; an empty text undoes it.
    static void setOverride(const QString &dir);
    // A module file name cut before its last "\" (or, without one, its last "/").
    static QString folderOfModule(const QString &moduleFileName);
};

} // namespace orvel
