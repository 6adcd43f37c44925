// Renders the application icon for the desktop's menus and software centre
// from the same drawing as the tray icon: a scalable SVG, a symbolic SVG and
// PNGs at the usual sizes. Usage: render_app_icons OUTPUT_FOLDER
#include "widgets/clock_drawing.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool writeSvg(const QString& path, int side, const ClockDrawing::Drawing& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(side, side));
    svg.setViewBox(QRect(0, 0, 24, 24));
    svg.setTitle(QStringLiteral("Pendrel"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    // In pixels, as icon themes size them, not the millimetres Qt writes.
    QByteArray text = buffer.data();
    const qsizetype start = text.indexOf("<svg width=\"");
    const qsizetype end = text.indexOf("viewBox=", start);
    if (start < 0 || end < 0)
        return false;
    const QByteArray px = QByteArray::number(side);
    text.replace(start, end - start, "<svg width=\"" + px + "\" height=\"" + px + "\"\n ");
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: render_app_icons OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const auto application = [](QPainter& p) { ClockDrawing::application(p, false); };
    // Symbolic icons are one dark colour that the desktop recolours.
    const auto symbolic = [](QPainter& p) {
        ClockDrawing::alarm(p, QColor(0x2e, 0x34, 0x36), false);
    };
    bool ok = out.mkpath(QStringLiteral(".")) &&
              writeSvg(out.filePath(QStringLiteral("pendrel.svg")), 128, application) &&
              writeSvg(out.filePath(QStringLiteral("pendrel-symbolic.svg")), 16, symbolic);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1").arg(size);
        ok = ok && out.mkpath(folder) &&
             ClockDrawing::rendered(size, application)
                 .save(out.filePath(folder + QStringLiteral("/pendrel.png")));
    }
    if (!ok) {
        std::fprintf(stderr, "render_app_icons: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
