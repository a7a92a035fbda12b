#include "ui/common/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace kv::ui {

namespace {

// One picture at the sizes trays, title bars and dialogs ask for.
QIcon Draw(const std::function<void(QPainter&, qreal)>& paint) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, size);
        icon.addPixmap(pm);
    }
    return icon;
}

// A key cap seen from above, in the given colour, with a letter on it.
void KeyCap(QPainter& p, qreal s, const QColor& face, const QString& letter) {
    const QRectF outer(s * 0.06, s * 0.10, s * 0.88, s * 0.82);
    p.setPen(QPen(face.darker(170), qMax(1.0, s / 24)));
    p.setBrush(face.darker(125));
    p.drawRoundedRect(outer, s * 0.16, s * 0.16);
    const QRectF top(s * 0.16, s * 0.14, s * 0.68, s * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(top, s * 0.12, s * 0.12);
    QFont f;
    f.setBold(true);
    f.setPixelSize(qMax(8, static_cast<int>(s * 0.48)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(top, Qt::AlignCenter, letter);
}

} // namespace

QIcon ProgramIcon() {
    static const QIcon icon =
        Draw([](QPainter& p, qreal s) { KeyCap(p, s, QColor(0x2b, 0x6c, 0xb0), "K"); });
    return icon;
}

QIcon RecordingIcon() {
    static const QIcon icon = Draw([](QPainter& p, qreal s) {
        KeyCap(p, s, QColor(0x55, 0x55, 0x5f), QString());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd3, 0x2f, 0x2f));
        p.drawEllipse(QPointF(s * 0.5, s * 0.45), s * 0.22, s * 0.22);
    });
    return icon;
}

QIcon MenuIcon() {
    static const QIcon icon = Draw([](QPainter& p, qreal s) {
        KeyCap(p, s, QColor(0x2e, 0x8b, 0x57), QString());
        p.setPen(QPen(Qt::white, qMax(1.0, s / 12), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal y = s * (0.30 + 0.15 * i);
            p.drawLine(QPointF(s * 0.30, y), QPointF(s * 0.70, y));
        }
    });
    return icon;
}

} // namespace kv::ui
