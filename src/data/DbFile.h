#pragma once

#include <QString>

namespace quorv {

// The database file's name; it lives in the working directory.
inline constexpr const char kDatabaseFileName[] = "pazo.dll";

// What lies at the database path before the program opens it for writing.
struct DbFileCheck {
    enum class State { Missing, Ours, Foreign };
    State state = State::Missing;
    QString reason; // for Foreign: why the file is not taken, shown to the user
};

// Looks at the file without changing it in any way: reads its header and, for an SQLite file,
// opens it read-only to see whether it holds this program's account table.
DbFileCheck inspectDatabaseFile(const QString &path);

} // namespace quorv
