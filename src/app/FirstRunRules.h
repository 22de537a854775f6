#pragma once

#include <QString>

namespace quorv {

// Creating a new database file with every table and the first manager account.
namespace firstrun {

// The refusal message for the typed values, or empty when they are acceptable.
QString check(const QString &user, const QString &password, const QString &confirmation);

// Creates the file at path with the schema and account 1 (role "经理", level 10). A failure raises
// DbError and leaves no file behind.
void createDatabase(const QString &path, const QString &user, const QString &password);

} // namespace firstrun
} // namespace quorv
