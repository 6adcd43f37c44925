#include "widgets/clock_drawing.h"
#include "widgets/elided_label.h"
#include "widgets/icons.h"
#include "widgets/plain_text.h"

#include <QPainter>
#include <QTextDocument>
#include <QtTest>

class TestWidgets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plainToolTips();
    void breaksInLabels_data();
    void breaksInLabels();
    void directionAsQLabel_data();
    void directionAsQLabel();
    void trayIconIsTheDrawingAtEverySize();
};

void TestWidgets::plainToolTips()
{
    // As a tooltip shows it: markup is text, and a paragraph break a line break.
    QTextDocument document;
    document.setHtml(PlainText::toolTip(QStringLiteral("<b>a</b>  b\u2029c")));
    QCOMPARE(document.toPlainText(), QStringLiteral("<b>a</b>  b\nc"));
    QVERIFY(PlainText::toolTip(QStringLiteral(" \n")).isEmpty());
}

void TestWidgets::breaksInLabels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asLines");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("elided");
    QTest::newRow("line separator in a title") << "one\u2028two" << false << 1 << false;
    QTest::newRow("paragraph separator in a title") << "one\u2029two" << false << 1 << false;
    QTest::newRow("paragraph separator in a message") << "one\u2029two" << true << 2 << false;
    QTest::newRow("CR LF is one break") << "one\r\ntwo" << true << 2 << false;
    QTest::newRow("empty line kept") << "one\n\ntwo" << true << 3 << false;
    QTest::newRow("more lines than room") << "1\n2\n3\n4\n5" << true << 4 << true;
}

void TestWidgets::breaksInLabels()
{
    QFETCH(QString, text);
    QFETCH(bool, asLines);
    QFETCH(int, lines);
    QFETCH(bool, elided);
    ElidedLabel label(text, 4, nullptr,
                      asLines ? ElidedLabel::Breaks::AsLines : ElidedLabel::Breaks::AsSpaces);
    label.resize(400, label.heightForWidth(400));
    QCOMPARE(label.height(), lines * label.fontMetrics().lineSpacing());
    QCOMPARE(label.isElided(), elided);
}

void TestWidgets::directionAsQLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hebrew") << QStringLiteral("\u05d0\u05d0\u05d0!!!");
    QTest::newRow("hebrew sentence")
        << QStringLiteral("\u05e4\u05d2\u05d9\u05e9\u05d4 \u05e2\u05dd "
                          "\u05d3\u05e0\u05d9!");
    QTest::newRow("arabic sentence")
        << QStringLiteral("\u0627\u062c\u062a\u0645\u0627\u0639 \u0641\u064a "
                          "\u0627\u0644\u0645\u0643\u062a\u0628 10.");
    QTest::newRow("latin") << QStringLiteral("Stand-up!");
}

void TestWidgets::directionAsQLabel()
{
    QFETCH(QString, text);
    ElidedLabel elided(text);
    QLabel plain(text);
    for (QLabel* label : {static_cast<QLabel*>(&elided), &plain})
        label->setFixedSize(300, label->fontMetrics().lineSpacing());
    const QImage expected = plain.grab().toImage();
    QCOMPARE(elided.grab().toImage(), expected);
}

void TestWidgets::trayIconIsTheDrawingAtEverySize()
{
    // The build renders the icon ahead of time; it must be the drawing, not a
    // stale or garbled copy of it, and in-between sizes come from the next larger.
    for (const bool paused : {false, true}) {
        const QIcon icon = Icons::application(paused);
        for (int size : ClockDrawing::sizes) {
            const QImage drawn = ClockDrawing::rendered(
                size, [paused](QPainter& p) { ClockDrawing::application(p, paused); });
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(drawn.format()), drawn);
        }
        const QImage between = icon.pixmap(20).toImage();
        QCOMPARE(between.size(), QSize(20, 20));
        QVERIFY(qAlpha(between.pixel(10, 12)) == 255 && qAlpha(between.pixel(0, 19)) == 0);
        QCOMPARE(icon.pixmap(200).size(), QSize(128, 128));
        // As an X11 tray paints it, also at scale 2.
        for (const qreal ratio : {1.0, 2.0}) {
            QImage canvas(QSize(22, 22) * ratio, QImage::Format_ARGB32_Premultiplied);
            canvas.setDevicePixelRatio(ratio);
            canvas.fill(Qt::transparent);
            QPainter painter(&canvas);
            icon.paint(&painter, QRect(0, 0, 22, 22));
            painter.end();
            canvas.setDevicePixelRatio(1);
            const int side = int(22 * ratio);
            QCOMPARE(canvas, icon.pixmap(side).toImage().convertToFormat(canvas.format()));
        }
    }
    QVERIFY(Icons::application(true).pixmap(22).toImage() !=
            Icons::application(false).pixmap(22).toImage());
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
