#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A writable copy of the project's CSV sources (the tables and their
// provenance) in a temporary folder, for breaking one line at a time.
class SourceFixture final
{
public:
    SourceFixture()
    {
        const QDir sources(QStringLiteral(VANTELO_SOURCES_DIR));
        for (const QString &name : sources.entryList({QStringLiteral("*.csv")}, QDir::Files))
            m_copied &= QFile::copy(sources.filePath(name), path(name)) &&
                        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner);
        m_copied &= m_dir.isValid() && sources.entryList({QStringLiteral("_HG*.csv")}).size() == 7;
    }

    bool isValid() const { return m_copied; }
    QString dirPath() const { return m_dir.path(); }
    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }
    QString csvPath(const QString &table) const { return path(table + QStringLiteral(".csv")); }

    QByteArray read(const QString &table) const
    {
        QFile file(csvPath(table));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool write(const QString &table, const QByteArray &content) const
    {
        QFile file(csvPath(table));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
    }

    // Replaces 1-based line number with content; line 0 appends content as a
    // new last line; a negative line removes the file.
    bool replaceLine(const QString &table, int line, const QByteArray &content) const
    {
        if (line < 0)
            return QFile::remove(csvPath(table));
        QList<QByteArray> lines = read(table).split('\n'); // the last element is the empty tail
        if (line == 0)
            lines.insert(lines.size() - 1, content);
        else if (line <= lines.size() - 1)
            lines[line - 1] = content;
        else
            return false;
        return write(table, lines.join('\n'));
    }

private:
    QTemporaryDir m_dir;
    bool m_copied = true;
};
