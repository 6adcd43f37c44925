// Renders the tray icon into a C++ source file of pixels, so the program
// shows it without drawing it. Usage: render_tray_icons OUTPUT.cpp
#include "widgets/clock_drawing.h"

#include <QSaveFile>
#include <QString>

#include <cstdio>

namespace {

void writeIcon(QString& out, QString& table, const char* name, bool paused)
{
    table += QStringLiteral("const PrerenderedIconEngine::Image TrayIconPixels::%1[] = {")
                 .arg(QLatin1String(name));
    for (int size : ClockDrawing::sizes) {
        const QImage image = ClockDrawing::rendered(
            size, [paused](QPainter& painter) { ClockDrawing::application(painter, paused); });
        const QString array = QStringLiteral("%1%2").arg(QLatin1String(name)).arg(size);
        out += QStringLiteral("const quint32 %1[] = {").arg(array);
        for (int y = 0; y < size; ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            out += u'\n';
            for (int x = 0; x < size; ++x)
                out += QStringLiteral("0x%1,").arg(line[x], 8, 16, QLatin1Char('0'));
        }
        out += QStringLiteral("};\n");
        table += QStringLiteral("{%1, %2}, ").arg(size).arg(array);
    }
    table += QStringLiteral("};\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: render_tray_icons OUTPUT.cpp\n", stderr);
        return 2;
    }
    QString out = QStringLiteral("// Made by render_tray_icons at build time.\n"
                                 "#include \"widgets/tray_icon_pixels.h\"\n\nnamespace {\n");
    QString table;
    writeIcon(out, table, "normal", false);
    writeIcon(out, table, "paused", true);
    out += QStringLiteral("} // namespace\n\n") + table;

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "render_tray_icons: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
