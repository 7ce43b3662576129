#pragma once

#include <QCoreApplication>
#include "storage/FileDamage.h"

#include <QString>

namespace orvel {

// Keeps a damaged data file beside itself before anything replaces it: NAME.damaged,
// then NAME.damaged-2, NAME.damaged-3, ...; a copy kept earlier is never overwritten.
class DamagedFileCopy {
    Q_DECLARE_TR_FUNCTIONS(DamagedFileCopy)

public:
    struct Result {
        bool ok = false;
        QString copy;         // the kept copy's path when ok
        QString errorMessage; // the user-facing reason when !ok
    };

    // The path keep() would give the copy: an earlier copy that holds the same bytes
    // already (the same damage seen again), else the first free name.
    static QString copyName(const QString &path);
    // Copies `path` to copyName(), unless that copy is there already.
    static Result keep(const QString &path);
    // Keeps the damaged file now and returns what the user is told: the damage, and
    // where the copy is or why there is none.
    static QString keepAndDescribe(const FileDamage &damage, FileDamage::Items items);
};

} // namespace orvel
