#include "data/Schema.h"

#include "data/Db.h"
#include "data/UnitOfWork.h"

#include <QSqlRecord>
#include <QStringList>

namespace quorv::schema {

namespace {

using K = Kind;

const std::vector<Table> kTables = {
    {"admin",
     {{"id", K::Id}, {"admin", K::Text}, {"password", K::Text}, {"jb", K::Text}, {"userkey", K::Whole},
      {"Addtime", K::Stamp}, {"LastLogintime", K::DateTime}}},
    {"piaohao", {{"id", K::Id}, {"qsph", K::Whole}, {"zzph", K::Whole}, {"time", K::Stamp}}},
    {"kahao", {{"id", K::Id}, {"qsph", K::Whole}, {"zzph", K::Whole}, {"addtime", K::Stamp}}},
    {"chexing", {{"id", K::Id}, {"chexing", K::Text}, {"beizhu", K::Text}, {"time", K::Stamp}}},
    {"jiaolian", {{"id", K::Id}, {"jiaolian", K::Text}, {"beizhu", K::Text}, {"time", K::Stamp}}},
    {"zj", {{"id", K::Id}, {"zj", K::Text}, {"beizhu", K::Text}, {"time", K::Stamp}}},
    {"piaoju",
     {{"id", K::Id}, {"piaohao", K::Whole}, {"xingming", K::Text}, {"xiangmu", K::Text},
      {"shuoming", K::Text}, {"jine", K::Real}, {"dianhua", K::Text}, {"jingban", K::Text},
      {"kaipiao", K::Text}, {"kaipiaoriqi", K::Date}, {"shenheren", K::Text}, {"shenheriqi", K::Date},
      {"luru", K::Text}, {"addtime", K::Stamp}, {"yongtu", K::Text}, {"zuofei", K::Text},
      {"xiugairen", K::Text}, {"xgtime", K::DateTime}}},
    {"card",
     {{"id", K::Id}, {"card_name", K::Text}, {"piaohao", K::Whole}, {"kahao", K::Whole},
      {"xingming", K::Text}, {"sex", K::Text}, {"shenfenzheng", K::Text}, {"zongshi", K::Real},
      {"yushi", K::Real}, {"zheng", K::Text}, {"chexing", K::Text}, {"kaoshi", K::Text},
      {"bankariqi", K::Date}, {"dianhua", K::Text}, {"zhuzhi", K::Text}, {"jine", K::Real},
      {"jingban", K::Text}, {"luru", K::Text}, {"beizhu", K::Text}, {"addtime", K::Stamp},
      {"xiugairen", K::Text}, {"xgtime", K::DateTime}, {"card_lock", K::Text}}},
    {"yueche",
     {{"id", K::Id}, {"kahao", K::Whole}, {"card_name", K::Text}, {"piaohao", K::Whole},
      {"xingming", K::Text}, {"dianhua", K::Text}, {"address", K::Text}, {"jiaolian", K::Text},
      {"chexing", K::Text}, {"s_date", K::DateTime}, {"e_date", K::DateTime}, {"shichang", K::Real},
      {"yushi", K::Real}, {"zheng", K::Text}, {"kaoshi", K::Text}, {"jine", K::Real},
      {"beizhu", K::Text}, {"luru", K::Text}, {"addtime", K::Stamp}, {"xiugairen", K::Text},
      {"xgtime", K::DateTime}, {"gongsi", K::Text}}},
    {"zhengjian",
     // piaohao is kept as text: applications store and compare the receipt number as typed.
     {{"id", K::Id}, {"piaohao", K::Text}, {"xingming", K::Text}, {"age", K::Text}, {"sex", K::Text},
      {"shenfenzheng", K::Text}, {"dangan", K::Text}, {"zhengjian", K::Text},
      {"baomingriqi", K::Date}, {"dianhua", K::Text}, {"address", K::Text}, {"jingban", K::Text},
      {"jine", K::Real}, {"beizhu", K::Text}, {"luru", K::Text}, {"shenhe", K::Date},
      {"shenheren", K::Text}, {"lingzheng", K::Text}, {"addtime", K::Stamp}, {"xiugairen", K::Text},
      {"xgtime", K::DateTime}}},
    {"czt",
     {{"id", K::Id}, {"chexing", K::Text}, {"qishu", K::Whole}, {"meshu", K::Whole},
      {"licheng", K::Real}, {"jiayou", K::Real}, {"baoyang", K::Real}, {"kaizhi", K::Real},
      {"jine", K::Real}, {"keshi", K::Real}, {"riqi", K::Date}, {"jingban", K::Text},
      {"luru", K::Text}, {"beizhu", K::Text}, {"addtime", K::Stamp}, {"xiugairen", K::Text},
      {"xgtime", K::DateTime}}},
    {"zhichu",
     {{"id", K::Id}, {"xingming", K::Text}, {"xiangmu", K::Text}, {"shuoming", K::Text},
      {"jine", K::Real}, {"dianhua", K::Text}, {"jingban", K::Text}, {"qianzi", K::Text},
      {"luru", K::Text}, {"baoxiaoriqi", K::Date}, {"addtime", K::Stamp}, {"xiugairen", K::Text},
      {"xgtime", K::DateTime}}},
    {"My_note",
     {{"id", K::Id}, {"title", K::Text}, {"content", K::Text}, {"remind", K::Date},
      {"luru", K::Text}, {"addtime", K::Stamp}, {"xiugairen", K::Text}, {"xgtime", K::DateTime}}},
    {"Office_note",
     {{"id", K::Id}, {"title", K::Text}, {"content", K::Text}, {"remind", K::Date},
      {"luru", K::Text}, {"addtime", K::Stamp}, {"xiugairen", K::Text}, {"xgtime", K::DateTime},
      {"jine", K::Real}}},
};

// Every search and check of the program has an index to use (the list screens read whole tables
// in their own order and need none).
const std::vector<Index> kIndexes = {
    {"admin", {"admin"}},
    {"piaohao", {"qsph"}},
    {"piaohao", {"zzph"}},
    {"kahao", {"qsph"}},
    {"kahao", {"zzph"}},
    {"piaoju", {"piaohao"}},
    {"piaoju", {"xingming"}},
    {"piaoju", {"kaipiaoriqi"}},
    {"piaoju", {"shenheriqi"}},
    {"piaoju", {"addtime"}},
    {"card", {"kahao"}},
    {"card", {"piaohao"}},
    {"card", {"xingming"}},
    {"card", {"bankariqi"}},
    {"card", {"addtime"}},
    {"yueche", {"jiaolian", "s_date"}},
    {"yueche", {"jiaolian", "e_date"}},
    {"yueche", {"kahao"}},
    {"yueche", {"piaohao"}},
    {"yueche", {"xingming"}},
    {"yueche", {"s_date"}},
    {"yueche", {"addtime"}},
    {"zhengjian", {"piaohao"}},
    {"zhengjian", {"xingming"}},
    {"zhengjian", {"baomingriqi"}},
    {"zhengjian", {"shenhe"}},
    {"zhengjian", {"addtime"}},
    {"czt", {"chexing", "riqi"}},
    {"czt", {"riqi"}},
    {"czt", {"addtime"}},
    {"zhichu", {"xingming"}},
    {"zhichu", {"baoxiaoriqi"}},
    {"zhichu", {"addtime"}},
    {"My_note", {"remind"}},
    {"My_note", {"addtime"}},
    {"Office_note", {"remind"}},
    {"Office_note", {"addtime"}},
};

QString columnSql(const Column &c)
{
    const QString name = QString::fromLatin1(c.name);
    switch (c.kind) {
    case K::Id:
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case K::Text:
        return name + QStringLiteral(" TEXT COLLATE NOCASE");
    case K::Whole:
        return name + QStringLiteral(" INTEGER");
    case K::Real:
        return name + QStringLiteral(" REAL");
    case K::Date:
    case K::DateTime:
        return name + QStringLiteral(" TEXT");
    case K::Stamp:
        return name + QStringLiteral(" TEXT DEFAULT (strftime('%Y-%m-%d %H:%M:%S','now','localtime'))");
    }
    return name;
}

QString indexName(const Index &index)
{
    QStringList parts{QString::fromLatin1(index.table)};
    for (const char *c : index.columns)
        parts << QString::fromLatin1(c);
    return QStringLiteral("ix_") + parts.join(QLatin1Char('_'));
}

} // namespace

const std::vector<Table> &tables()
{
    return kTables;
}

const std::vector<Index> &indexes()
{
    return kIndexes;
}

const Table *findTable(const QString &name)
{
    for (const Table &t : kTables)
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

Kind kindOf(const QString &table, const QString &column)
{
    if (const Table *t = findTable(table))
        for (const Column &c : t->columns)
            if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
                return c.kind;
    return Kind::Text;
}

QString entryTimeColumn(const QString &table)
{
    if (const Table *t = findTable(table))
        for (const Column &c : t->columns)
            if (c.kind == Kind::Stamp)
                return QString::fromLatin1(c.name);
    return {};
}

void create(Db &db)
{
    UnitOfWork work(db);
    for (const Table &t : kTables) {
        QStringList columns;
        for (const Column &c : t.columns)
            columns << columnSql(c);
        db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)")
                    .arg(QString::fromLatin1(t.name), columns.join(QStringLiteral(", "))));
    }
    for (const Index &index : kIndexes) {
        QStringList columns;
        for (const char *c : index.columns)
            columns << QString::fromLatin1(c);
        db.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                    .arg(indexName(index), QString::fromLatin1(index.table), columns.join(QLatin1Char(','))));
    }
    work.commit();
}

QStringList missingTables(Db &db)
{
    QStringList missing;
    for (const Table &t : kTables)
        if (!db.any(QStringLiteral("select 1 from sqlite_master where type='table' and name=? collate nocase"),
                    {QString::fromLatin1(t.name)}))
            missing << QString::fromLatin1(t.name);
    return missing;
}

} // namespace quorv::schema
