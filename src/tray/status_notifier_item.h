#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QIcon>
#include <QObject>

class DBusMenu;
class QMenu;

// One ARGB32 image, in network byte order, as StatusNotifier hosts take it.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
Q_DECLARE_METATYPE(SniPixmap)
Q_DECLARE_METATYPE(QList<SniPixmap>)

struct SniToolTip {
    QString iconName;
    QList<SniPixmap> icon;
    QString title;
    QString text;
};
Q_DECLARE_METATYPE(SniToolTip)

// Pendrel's own StatusNotifierItem with its menu over dbusmenu: everything
// the panels people use ask of an item (Qt's own item does not). The
// watcher learns of it through SniWatcher.
class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category SCRIPTABLE true)
    Q_PROPERTY(QString Id READ id SCRIPTABLE true)
    Q_PROPERTY(QString Title READ title SCRIPTABLE true)
    Q_PROPERTY(QString Status READ status SCRIPTABLE true)
    Q_PROPERTY(int WindowId READ windowId SCRIPTABLE true)
    Q_PROPERTY(QString IconName READ empty SCRIPTABLE true)
    Q_PROPERTY(QList<SniPixmap> IconPixmap READ iconPixmap SCRIPTABLE true)
    Q_PROPERTY(QString OverlayIconName READ empty SCRIPTABLE true)
    Q_PROPERTY(QList<SniPixmap> OverlayIconPixmap READ noPixmap SCRIPTABLE true)
    Q_PROPERTY(QString AttentionIconName READ empty SCRIPTABLE true)
    Q_PROPERTY(QList<SniPixmap> AttentionIconPixmap READ noPixmap SCRIPTABLE true)
    Q_PROPERTY(QString AttentionMovieName READ empty SCRIPTABLE true)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip SCRIPTABLE true)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu SCRIPTABLE true)
    Q_PROPERTY(QDBusObjectPath Menu READ menuPath SCRIPTABLE true)
    Q_PROPERTY(QString IconThemePath READ empty SCRIPTABLE true)
    Q_PROPERTY(QString IconAccessibleDesc READ accessibleDescription SCRIPTABLE true)
    Q_PROPERTY(QString AttentionAccessibleDesc READ accessibleDescription SCRIPTABLE true)

public:
    explicit StatusNotifierItem(QMenu* menu, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Exports the item and its menu. It needs no bus name of its own: hosts
    // address it by the connection's unique name, which never changes owner.
    bool start();
    void setIcon(const QIcon& icon);
    void setToolTip(const QString& text);
    // What a screen reader says of the icon.
    void setAccessibleDescription(const QString& text);
    QString accessibleDescription() const { return m_accessibleDescription; }
    static QString objectPath();

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("pendrel"); }
    QString title() const { return QStringLiteral("Pendrel"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString empty() const { return {}; }
    QList<SniPixmap> iconPixmap() const { return m_pixmaps; }
    QList<SniPixmap> noPixmap() const { return {}; }
    SniToolTip toolTip() const { return {{}, {}, m_toolTip, {}}; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menuPath() const;

public Q_SLOTS:
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int, int) {}
    Q_SCRIPTABLE void Scroll(int, const QString&) {}
    // Plasma hands over a token before Activate, so the window it raises may
    // take the focus on Wayland. Kept for that Activate only: any program on
    // the bus may call this, so it never reaches the environment from here.
    Q_SCRIPTABLE void ProvideXdgActivationToken(const QString& token);

Q_SIGNALS:
    // `activationToken` is the one handed over for this activation, or empty.
    void activated(const QString& activationToken);

    Q_SCRIPTABLE void NewTitle();
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewAttentionIcon();
    Q_SCRIPTABLE void NewOverlayIcon();
    Q_SCRIPTABLE void NewToolTip();
    Q_SCRIPTABLE void NewStatus(const QString& status);

private:
    QString m_activationToken;
    QMenu* m_menu;
    QDBusConnection m_bus;
    DBusMenu* m_dbusMenu;
    QList<SniPixmap> m_pixmaps;
    QString m_toolTip;
    QString m_accessibleDescription = QStringLiteral("Pendrel");
};
