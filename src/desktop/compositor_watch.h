#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Whether a compositing manager runs, so that translucent window corners
// blend with the desktop. On X11 that is whoever owns the _NET_WM_CM_S<n>
// selection, followed as compositors start and stop; Wayland always composites.
class CompositorWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    static CompositorWatch& shared();

    bool isActive() const { return m_active; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    void activeChanged(bool active);

private:
    CompositorWatch();
    void recheck();

    bool m_active = true;
    quint32 m_selection = 0;
    int m_fixesEvent = -1;
};
