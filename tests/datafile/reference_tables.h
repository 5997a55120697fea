#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <memory>

// Reads the reference CSVs independently of the builder, so a fault in the
// builder's own reading cannot hide itself.
struct ReferenceTable
{
    QString name;
    QStringList header;
    QList<QStringList> rows;
};

inline QList<ReferenceTable> readReferenceTables(const QString &referenceDir)
{
    QList<ReferenceTable> tables;
    for (const QString &folder : {QStringLiteral("eu"), QStringLiteral("us")}) {
        const QDir dir(referenceDir + u'/' + folder);
        for (const QString &fileName : dir.entryList({QStringLiteral("_HG*.csv")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(fileName));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
            ReferenceTable table{fileName.chopped(4), lines.takeFirst().split(u','), {}};
            for (const QString &line : lines)
                table.rows.append(line.split(u','));
            tables.append(table);
        }
    }
    return tables;
}

struct SqliteCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

inline SqliteHandle openReadOnly(const QString &path)
{
    sqlite3 *db = nullptr;
    if (!QFile::exists(path) ||
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return {};
    }
    return SqliteHandle(db);
}

struct StatementFinalizer
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

inline Statement prepare(sqlite3 *db, const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    return Statement(statement);
}

// A column value the way a person reads it: whole numbers without ".0",
// decimals in their shortest form, NULL as a null QString.
inline QString columnText(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QString::number(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT: return QString::number(sqlite3_column_double(statement, column), 'g', QLocale::FloatingPointShortest);
    default: return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
    }
}
