#include "plugin_chime_output.h"

#include "chime_backend.h"
#include "chime_synth.h"
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
    ChimeBackend* audio = backend();
    if (!audio)
        return nullptr;
    auto found = m_rendered.constFind(name);
    if (found == m_rendered.constEnd())
        found = m_rendered.insert(name, ChimeSynth::renderPcm16(name));
    return audio->player(*found, ChimeSynth::sampleRate);
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

ChimeBackend* PluginChimeOutput::backend()
{
    if (m_tried)
        return m_backend;
    m_tried = true;
    QStringList failures;
    for (const QString& folder : std::as_const(m_folders)) {
        const QFileInfo file(QDir(folder), pluginFileName());
        if (!file.exists())
            continue;
        // Never unloaded: players made by it may live until the program ends.
        QPluginLoader loader(file.filePath());
        m_backend = qobject_cast<ChimeBackend*>(loader.instance());
        if (m_backend)
            return m_backend;
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
