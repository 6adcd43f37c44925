#pragma once

#include <QList>
#include <QString>

class QWidget;

// Renders Pendrel's windows to PNG files: manager.png for the manager window
// when there is one, then alert0.png, alert1.png, ... for the open pop-ups.
class Snapshot {
public:
    // Existing files are replaced; a file that cannot be written is skipped
    // without a word. Returns how many files were written.
    static int take(QWidget* manager, const QList<QWidget*>& panels, const QString& folder);
};
