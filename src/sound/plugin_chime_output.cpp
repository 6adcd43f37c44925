#include "plugin_chime_output.h"

#include "model/reminder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

PluginChimeOutput::PluginChimeOutput(QStringList folders) : m_folders(std::move(folders)) {}

std::unique_ptr<ChimePlayer> PluginChimeOutput::player(const QString& name)
{
    if (!systemSounds().contains(name))
        return nullptr;
    ChimeOutput* audio = plugin();
    return audio ? audio->player(name) : nullptr;
}

QString PluginChimeOutput::pluginFileName()
{
    return QStringLiteral(PENDREL_AUDIO_PLUGIN);
}

QStringList PluginChimeOutput::standardFolders()
{
    // Beside the program in the build tree; the private library folder once
    // installed, found relative to the program so any prefix works.
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), QDir::cleanPath(program.filePath(QStringLiteral(PENDREL_PLUGIN_DIR)))};
}

ChimeOutput* PluginChimeOutput::plugin()
{
    if (m_tried)
        return m_plugin;
    m_tried = true;
    QStringList failures;
    for (const QString& folder : std::as_const(m_folders)) {
        const QFileInfo file(QDir(folder), pluginFileName());
        if (!file.exists())
            continue;
        // Never unloaded: players made by it may live until the program ends.
        QPluginLoader loader(file.filePath());
        m_plugin = qobject_cast<ChimeOutput*>(loader.instance());
        if (m_plugin)
            return m_plugin;
        failures << loader.errorString(); // a later folder may hold one that loads
    }
    if (failures.isEmpty())
        failures << QStringLiteral("%1 is in none of %2")
                        .arg(pluginFileName(), m_folders.join(QStringLiteral(", ")));
    qWarning("Chimes are silent: %s", qPrintable(failures.join(QStringLiteral("; "))));
    return nullptr;
}

ChimeOutput& ChimeOutput::standard()
{
    static PluginChimeOutput output(PluginChimeOutput::standardFolders());
    return output;
}
