#include "dialog_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

QPixmap SignalBoxPicture() {
    QPixmap picture(128, 128);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    // Evening sky over the embankment.
    QLinearGradient sky(0, 0, 0, 96);
    sky.setColorAt(0.0, QColor(70, 110, 170));
    sky.setColorAt(1.0, QColor(225, 200, 150));
    p.fillRect(0, 0, 128, 96, sky);
    p.fillRect(0, 96, 128, 32, QColor(90, 110, 60));
    p.fillRect(0, 104, 128, 10, QColor(120, 110, 95));  // ballast

    // The running rails on their sleepers.
    p.setPen(QPen(QColor(60, 45, 35), 2));
    for (int x = 2; x < 128; x += 8) p.drawLine(x, 105, x + 3, 113);
    p.setPen(QPen(QColor(170, 170, 175), 1.5));
    p.drawLine(0, 107, 128, 107);
    p.drawLine(0, 111, 128, 111);

    // The box: brick base, timber cabin with its long window, slate roof.
    p.setPen(Qt::NoPen);
    p.fillRect(10, 70, 56, 30, QColor(150, 70, 50));
    p.setPen(QPen(QColor(120, 55, 40), 1));
    for (int y = 74; y < 100; y += 5) p.drawLine(10, y, 66, y);
    p.setPen(Qt::NoPen);
    p.fillRect(8, 50, 60, 22, QColor(205, 185, 140));
    p.fillRect(12, 54, 52, 12, QColor(250, 230, 150));
    p.setPen(QPen(QColor(90, 60, 40), 1.5));
    for (int x = 12; x <= 64; x += 8) p.drawLine(x, 54, x, 66);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 75, 85));
    p.drawPolygon(QPolygonF({QPointF(2, 52), QPointF(38, 36), QPointF(74, 52)}));
    p.fillRect(22, 84, 10, 16, QColor(80, 50, 35));  // door to the locking room

    // The home signal: post, finial, arm at danger and its red lamp glass.
    p.fillRect(98, 20, 4, 86, QColor(235, 235, 230));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(100, 18), 3, 3);
    p.fillRect(102, 28, 24, 7, QColor(200, 30, 30));
    p.fillRect(112, 28, 3, 7, QColor(245, 245, 245));
    p.setBrush(QColor(255, 60, 40));
    p.drawEllipse(QPointF(96, 40), 2.5, 2.5);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    for (int y = 46; y < 104; y += 5) p.drawLine(93, y, 97, y);  // ladder rungs
    p.end();
    return picture;
}
