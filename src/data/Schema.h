#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace quorv {

class Db;

namespace schema {

// How a column is stored, so that the file reads plainly with any SQLite tool.
enum class Kind {
    Id,       // automatic whole number, the record ID
    Text,     // text, compared without regard to letter case
    Whole,    // integer
    Real,     // amounts and hours
    Date,     // text "YYYY-MM-DD"
    DateTime, // text "YYYY-MM-DD HH:MM:SS"
    Stamp,    // entry time: a date-time defaulting to the local moment of insertion
};

struct Column {
    const char *name;
    Kind kind;
};

struct Table {
    const char *name;
    std::vector<Column> columns;
};

struct Index {
    const char *table;
    std::vector<const char *> columns;
};

const std::vector<Table> &tables();
const std::vector<Index> &indexes();

const Table *findTable(const QString &name);
Kind kindOf(const QString &table, const QString &column);
// The column that holds a row's entry time (addtime, Addtime or time), or empty.
QString entryTimeColumn(const QString &table);

// Creates every table and index that the file does not hold yet.
void create(Db &db);
// Names of the catalogue's tables that the file lacks.
QStringList missingTables(Db &db);

} // namespace schema
} // namespace quorv
