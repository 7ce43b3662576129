#pragma once

#include <QString>

namespace orvel {

// Where the program keeps the files the user changes (horoskop.xml, orvel.xml,
// LstCntry.dat): the program folder when it can be written (a build tree, a copy of
// one's own), otherwise the user's data folder, so that a copy installed for all users
// still keeps each user's horoscopes.
class UserDataFolder {
public:
    // Creates the user's data folder when it is chosen and missing.
    static QString choose(const QString &programFolder);
};

} // namespace orvel
