#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTemporaryDir;

// A desktop's panel with its tray, started on the current X display and
// session bus the way the desktop starts it, each with the set-up it needs
// there: "xfce" (xfce4-panel), "lxqt" (lxqt-panel), "tint2" (XEmbed only),
// "plasma" (plasmashell on kwin_x11) and "gnome" (GNOME Shell with
// --x11 and the AppIndicator extension, on a stand-in system bus).
class DesktopPanel {
public:
    explicit DesktopPanel(QString kind);
    ~DesktopPanel();

    static QStringList kinds();
    QString kind() const { return m_kind; }
    // The panel's looks this desktop offers: "dark", "light", or one "default".
    QStringList looks() const;
    // Whether its tray is a StatusNotifier host (all but tint2).
    bool statusNotifier() const { return m_kind != u"tint2"; }
    // GNOME's extension opens the program on a double click, the others on one.
    bool opensOnDoubleClick() const { return m_kind == u"gnome"; }

    // Writes the panel's settings for the look and starts it; false when a
    // program is missing.
    bool start(const QString& look);
    void stop();
    // What the panel's programs printed, for a failure's report.
    QString logs() const;

private:
    std::unique_ptr<QProcess> launch(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& env);
    bool configure(const QString& look);
    QString configHome() const;

    QString m_kind;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    std::unique_ptr<QProcess> m_windowManager;
};
