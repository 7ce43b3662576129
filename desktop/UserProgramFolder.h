#pragma once

#include <QString>

namespace orvel {

// The folder the desktop program works in. Its own folder when that can be written;
// installed for everyone it is read-only, and the program works in the user's data
// folder instead, which links every file of the installed folder, so that what it
// writes (working copies, SelOrvelDB, LstCntry.dat, the default Device) is the user's.
class UserProgramFolder {
public:
    // Creates the user's folder and refreshes its links when it is chosen.
    static QString choose(const QString &programFolder);
};

} // namespace orvel
