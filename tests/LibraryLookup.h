#pragma once

// Looking entries up in a library the way the tests need: by exact name, and
// the groups in the order the table gives them.

#include "tuning/TemperamentLibrary.h"

#include <QStringList>

namespace cordavo {

inline const LibraryEntry *entryNamed(const TemperamentLibrary &library, const QString &name)
{
    for (const LibraryEntry &entry : library.entries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

inline QStringList groupsOf(const TemperamentLibrary &library)
{
    QStringList groups;
    for (const LibraryEntry &entry : library.entries) {
        if (!groups.contains(entry.group))
            groups << entry.group;
    }
    return groups;
}

} // namespace cordavo
