#pragma once

#include <QWidget>

class ManagerView;

// The one manager window: titled "Pendrel", 820 x 700 at first, with the
// usual window shortcuts. Closing it only hides it, so size, position and
// selection are all still there when it opens again.
class ManagerWindow : public QWidget {
    Q_OBJECT

public:
    explicit ManagerWindow(ManagerView* view, QWidget* parent = nullptr);
    ManagerView* view() const { return m_view; }

    // Shows the window in front, centred on the screen the first time.
    void bringToFront();

Q_SIGNALS:
    void quitRequested();
    // The user closed it; Pendrel goes on running.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ManagerView* m_view;
    bool m_placed = false;
};
