#include "platform/qt/QtArt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>

namespace quorle::qt {

QPixmap MakeAppIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 50, 110), 2));
    p.setBrush(QColor(40, 90, 180));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    QFont f("DejaVu Serif");
    f.setPixelSize(44);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 2, 56, 56), Qt::AlignCenter, "Q");
    return pixmap;
}

QPixmap MakeSplash() {
    const int w = 480;
    const int h = 300;
    QPixmap pixmap(w, h);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(28, 62, 130));
    sky.setColorAt(1, QColor(12, 28, 70));
    p.fillRect(0, 0, w, h, sky);

    // A chalkboard with a few grades on it.
    p.setPen(QPen(QColor(150, 100, 50), 6));
    p.setBrush(QColor(34, 80, 52));
    p.drawRect(QRectF(300, 40, 150, 110));
    QFont chalk("DejaVu Sans Mono");
    chalk.setPixelSize(16);
    p.setFont(chalk);
    p.setPen(QColor(235, 235, 220));
    p.drawText(QPointF(318, 72), "A   95.50");
    p.drawText(QPointF(318, 96), "B+  88.25");
    p.drawText(QPointF(318, 120), "A-  91.00");
    p.drawLine(QPointF(318, 130), QPointF(430, 130));

    // An apple on the desk.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QRectF(382, 168, 34, 32));
    p.drawEllipse(QRectF(398, 168, 34, 32));
    p.setBrush(QColor(60, 140, 40));
    p.drawEllipse(QRectF(408, 156, 14, 8));
    p.setPen(QPen(QColor(90, 60, 20), 3));
    p.drawLine(QPointF(407, 170), QPointF(410, 158));
    p.setPen(QPen(QColor(150, 100, 50), 4));
    p.drawLine(QPointF(290, 202), QPointF(460, 202));

    // The words keep to the left of the chalkboard and inside the frame,
    // whatever the fonts on this machine measure: a title too wide is set
    // smaller, the other lines wrap.
    const QRectF words(30, 40, 300 - 12 - 30, h - 40);
    QFont title("DejaVu Serif");
    title.setPixelSize(64);
    title.setBold(true);
    while (title.pixelSize() > 24 && QFontMetrics(title).horizontalAdvance("Quorle") > words.width())
        title.setPixelSize(title.pixelSize() - 2);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(33, 113), "Quorle");
    p.setPen(QColor(255, 214, 90));
    p.drawText(QPointF(30, 110), "Quorle");

    QFont sub("DejaVu Sans");
    sub.setPixelSize(18);
    p.setFont(sub);
    p.setPen(Qt::white);
    p.drawText(QRectF(34, 126, words.width() - 4, 50), Qt::TextWordWrap, "The gradebook for\nyour classroom");
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(190, 200, 230));
    p.drawText(QRectF(34, 226, w - 2 * 34, 44), Qt::TextWordWrap,
               "Grades, averages, reports, seating charts and assignment grids for every class you teach.");
    p.drawText(QPointF(34, 284), "Loading...");
    p.setPen(QPen(QColor(255, 214, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    return pixmap;
}

void ShowSplash(int milliseconds) {
    const QPixmap picture = MakeSplash();
    QSplashScreen splash(picture);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        splash.move(r.left() + (r.width() - picture.width()) / 2, r.top() + (r.height() - picture.height()) / 2);
    }
    splash.show();
    QElapsedTimer clock;
    clock.start();
    // Hold it by the wall clock; only painting of the splash itself goes on.
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(20);
    }
    splash.close();
}

}  // namespace quorle::qt
