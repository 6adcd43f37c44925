#pragma once

#include <QHash>
#include <QString>

#include <optional>

// A freedesktop desktop entry file: the keys of its [Desktop Entry] group,
// and the program its Exec line starts.
class DesktopEntry {
public:
    static std::optional<DesktopEntry> read(const QString& path);

    QString value(const QString& key) const { return m_values.value(key); }
    // The program of the Exec line, unquoted and unescaped; empty when malformed.
    QString program() const;

    // An Exec value that starts `program` with no arguments.
    static QString execLine(const QString& program);

private:
    QHash<QString, QString> m_values;
};
