#pragma once

#include "platform/AtomicFileWriter.h"
#include "storage/FileDamage.h"

#include <QCoreApplication>
#include <QString>

namespace orvel {

// Keeps a damaged data file beside itself before anything replaces it: NAME.damaged,
// then NAME.damaged-2, NAME.damaged-3, ...; a copy kept earlier is never overwritten.
class DamagedFileCopy {
    Q_DECLARE_TR_FUNCTIONS(DamagedFileCopy)

public:
    // The path keep() would give the copy: an earlier copy that holds the same bytes
    // already (the same damage seen again), else the first free name.
    static QString copyName(const QString &path);
    // Copies `path` to copyName() through `writer`, unless that copy is there already;
    // the value is the kept copy's path.
    static Result<QString> keep(const QString &path, const FileWriter &writer = AtomicFileWriter::standard());
    // Keeps the damaged file now and returns what the user is told: the damage, and
    // where the copy is or why there is none.
    static QString keepAndDescribe(const FileDamage &damage, FileDamage::Items items,
                                   const FileWriter &writer = AtomicFileWriter::standard());
};

} // namespace orvel
