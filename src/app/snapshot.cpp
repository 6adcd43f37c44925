#include "snapshot.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace {

bool save(QWidget* window, const QString& folder, const QString& name)
{
    const QPixmap picture = window->grab();
    if (picture.isNull())
        return false;
    return picture.save(QDir(folder).filePath(name + QStringLiteral(".png")), "PNG");
}

} // namespace

int Snapshot::take(QWidget* manager, const QList<QWidget*>& panels, const QString& folder)
{
    // The folder is used as given; a missing one simply receives nothing.
    if (!QFileInfo(folder).isDir())
        return 0;
    int written = 0;
    if (manager)
        written += save(manager, folder, QStringLiteral("manager"));
    for (qsizetype i = 0; i < panels.size(); ++i)
        written += save(panels[i], folder, QStringLiteral("alert%1").arg(i));
    return written;
}
