#pragma once

#include "chime_output.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

class ChimeBackend;

// Chimes rendered by ChimeSynth and played by the audio plugin, which is
// loaded from the first of `folders` holding it when a chime first plays.
// Without the plugin every chime is silent, as with no audio device.
class PluginChimeOutput : public ChimeOutput {
public:
    explicit PluginChimeOutput(QStringList folders);

    std::unique_ptr<ChimePlayer> player(const QString& name) override;

    // The plugin's file name, and where the standard output looks for it.
    static QString pluginFileName();
    static QStringList standardFolders();

private:
    ChimeBackend* backend();

    QStringList m_folders;
    QHash<QString, QByteArray> m_rendered;
    ChimeBackend* m_backend = nullptr;
    bool m_tried = false;
};
