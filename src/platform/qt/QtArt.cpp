#include "platform/qt/QtArt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>

namespace quorle::qt {

namespace {

// Every icon is drawn on a 20 x 20 grid and scaled.
struct Pen {
    QPainter& p;
    void Page(QRectF r, const QColor& fill = Qt::white) {
        QPainterPath path;
        const qreal fold = r.width() * 0.3;
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right() - fold, r.top());
        path.lineTo(r.right(), r.top() + fold);
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        p.setBrush(fill);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.drawPath(path);
        p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
        p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
    }
    void Window(QRectF r, const QColor& title) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setBrush(title);
        p.drawRect(QRectF(r.left(), r.top(), r.width(), 3));
    }
};

void DrawIcon(QPainter& p, int bitmap) {
    Pen pen{p};
    p.setRenderHint(QPainter::Antialiasing);
    switch (bitmap) {
        case 600:  // New: a blank page with a spark
            pen.Page(QRectF(4, 2, 12, 16));
            p.setPen(QPen(QColor(230, 170, 0), 1.5));
            p.drawLine(QPointF(15, 13), QPointF(19, 17));
            p.drawLine(QPointF(19, 13), QPointF(15, 17));
            p.drawLine(QPointF(17, 12), QPointF(17, 18));
            break;
        case 601: {  // Open: a folder
            p.setPen(QPen(QColor(120, 80, 0), 1));
            p.setBrush(QColor(240, 200, 80));
            p.drawRect(QRectF(2, 6, 15, 11));
            p.drawRect(QRectF(2, 4, 6, 2));
            QPolygonF flap{QPointF(5, 9), QPointF(19, 9), QPointF(16, 17), QPointF(2, 17)};
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(flap);
            break;
        }
        case 603:  // Save As: a disk with a pencil
            p.setPen(QPen(QColor(20, 20, 80), 1));
            p.setBrush(QColor(60, 90, 170));
            p.drawRect(QRectF(2, 2, 14, 16));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(5, 3, 8, 5));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(5, 11, 8, 6));
            p.setPen(QPen(QColor(200, 120, 0), 2.5));
            p.drawLine(QPointF(12, 18), QPointF(19, 11));
            break;
        case 611: {  // New Grade: an A+ on a page
            pen.Page(QRectF(3, 2, 14, 16));
            QFont f("DejaVu Sans");
            f.setPixelSize(9);
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(200, 0, 0));
            p.drawText(QRectF(3, 6, 14, 11), Qt::AlignCenter, "A+");
            break;
        }
        case 612:  // Print Grades: a printer
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 2, 8, 6));
            p.setBrush(QColor(170, 170, 180));
            p.drawRoundedRect(QRectF(2, 8, 16, 7), 1.5, 1.5);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(5, 13, 10, 5));
            p.setPen(QColor(80, 80, 80));
            p.drawLine(QPointF(7, 15), QPointF(13, 15));
            p.setBrush(QColor(0, 180, 0));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(15.5, 10.5), 1, 1);
            break;
        case 613:  // Add Students: a person and a plus
            p.setPen(QPen(QColor(30, 60, 120), 1));
            p.setBrush(QColor(90, 140, 220));
            p.drawEllipse(QRectF(4, 2, 7, 7));
            p.drawChord(QRectF(1, 9, 13, 16), 0, 180 * 16);
            p.setPen(QPen(QColor(0, 140, 0), 2.5));
            p.drawLine(QPointF(16, 8), QPointF(16, 16));
            p.drawLine(QPointF(12, 12), QPointF(20, 12));
            break;
        case 604:  // Exit: a door with an arrow
            p.setPen(QPen(QColor(90, 50, 20), 1));
            p.setBrush(QColor(170, 110, 60));
            p.drawRect(QRectF(3, 2, 9, 16));
            p.setBrush(QColor(240, 220, 120));
            p.drawEllipse(QPointF(10, 10), 0.8, 0.8);
            p.setPen(QPen(QColor(200, 0, 0), 2));
            p.drawLine(QPointF(11, 10), QPointF(19, 10));
            p.drawLine(QPointF(16, 7), QPointF(19, 10));
            p.drawLine(QPointF(16, 13), QPointF(19, 10));
            break;
        case 605:  // Cascade
            pen.Window(QRectF(1, 1, 11, 9), QColor(0, 0, 150));
            pen.Window(QRectF(4, 5, 11, 9), QColor(0, 0, 150));
            pen.Window(QRectF(7, 9, 11, 9), QColor(0, 0, 200));
            break;
        case 606:  // Tile
            pen.Window(QRectF(1, 2, 18, 7), QColor(0, 0, 150));
            pen.Window(QRectF(1, 11, 18, 7), QColor(0, 0, 200));
            break;
        case 609:  // Close all: windows with a cross
            pen.Window(QRectF(1, 1, 12, 10), QColor(0, 0, 150));
            pen.Window(QRectF(4, 5, 12, 10), QColor(0, 0, 200));
            p.setPen(QPen(QColor(210, 0, 0), 2.5));
            p.drawLine(QPointF(11, 11), QPointF(18, 18));
            p.drawLine(QPointF(18, 11), QPointF(11, 18));
            break;
        case 610: {  // Help: a question mark in a circle
            p.setPen(QPen(QColor(0, 60, 140), 1));
            p.setBrush(QColor(60, 130, 220));
            p.drawEllipse(QRectF(2, 2, 16, 16));
            QFont f("DejaVu Sans");
            f.setPixelSize(13);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter, "?");
            break;
        }
        default: break;
    }
}

}  // namespace

QPixmap MakeControlBarIcon(int bitmap, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(size / 20.0, size / 20.0);
    DrawIcon(p, bitmap);
    return pixmap;
}

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

    QFont title("DejaVu Serif");
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(33, 113), "Quorle");
    p.setPen(QColor(255, 214, 90));
    p.drawText(QPointF(30, 110), "Quorle");

    QFont sub("DejaVu Sans");
    sub.setPixelSize(18);
    p.setFont(sub);
    p.setPen(Qt::white);
    p.drawText(QPointF(34, 145), "The gradebook for your classroom");
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(190, 200, 230));
    p.drawText(QPointF(34, 240), "Grades, averages, reports, seating charts");
    p.drawText(QPointF(34, 260), "and assignment grids for every class you teach.");
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
