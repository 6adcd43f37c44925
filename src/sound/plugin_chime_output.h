#pragma once

#include "chime_output.h"

#include <QStringList>

// Chimes played by the audio plugin, which is loaded from the first of
// `folders` holding it when a chime first plays.
// Without the plugin every chime is silent, as with no audio device.
class PluginChimeOutput : public ChimeOutput {
public:
    explicit PluginChimeOutput(QStringList folders);

    std::unique_ptr<ChimePlayer> player(const QString& name) override;

    // The plugin's file name, and where the standard output looks for it.
    static QString pluginFileName();
    static QStringList standardFolders();

private:
    ChimeOutput* plugin();

    QStringList m_folders;
    ChimeOutput* m_plugin = nullptr;
    bool m_tried = false;
};
