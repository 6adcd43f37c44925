#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>

// Whole-file reads and writes for tests; a missing file reads as empty.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Creates the file's folder when needed; false when the file cannot be written.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// As editors and sync tools save: a new file renamed over the old one.
inline bool replaceFile(const QString& path, const QByteArray& bytes)
{
    const QString temporary = path + QStringLiteral(".new");
    return writeFile(temporary, bytes) && std::rename(QFile::encodeName(temporary).constData(),
                                                      QFile::encodeName(path).constData()) == 0;
}
