#include "fkeyreg/key_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace trazor {

QPixmap DrawKeyPicture()
{
    constexpr int width = 120;
    constexpr int height = 176;
    constexpr int keyCount = 8;
    constexpr int keyWidth = 34;
    constexpr int keyHeight = 16;
    constexpr int keyGap = 4;
    constexpr int markedKey = 0; // the top key of the column

    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // Screen frame, cut off on the left: only its right-hand edge is shown.
    const QRectF frame(-10.5, 4.5, width - 4, height - 9);
    painter.setPen(QPen(QColor(70, 70, 70), 2));
    painter.setBrush(QColor(200, 204, 210));
    painter.drawRoundedRect(frame, 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 40, 72));
    painter.drawRect(QRectF(-10, 12, width - keyWidth - 30, height - 24)); // screen area

    // Column of keys along the right edge.
    const int keyLeft = width - keyWidth - 14;
    const int columnTop = (height - keyCount * keyHeight - (keyCount - 1) * keyGap) / 2;
    for (int key = 0; key < keyCount; ++key) {
        const QRectF keyRect(
            keyLeft + 0.5, columnTop + key * (keyHeight + keyGap) + 0.5, keyWidth, keyHeight);
        const bool marked = key == markedKey;
        painter.setPen(QPen(marked ? QColor(200, 40, 30) : QColor(90, 90, 90), marked ? 2 : 1));
        painter.setBrush(marked ? QColor(255, 232, 120) : QColor(236, 236, 236));
        painter.drawRoundedRect(keyRect, 3, 3);
    }

    // Arrow from the screen area to the marked key.
    const qreal arrowY = columnTop + markedKey * (keyHeight + keyGap) + keyHeight / 2.0 + 0.5;
    const qreal arrowTip = keyLeft - 3;
    painter.setPen(QPen(QColor(200, 40, 30), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(arrowTip - 36, arrowY + 22), QPointF(arrowTip - 8, arrowY + 4));
    QPainterPath head;
    head.moveTo(arrowTip, arrowY);
    head.lineTo(arrowTip - 13, arrowY + 1);
    head.lineTo(arrowTip - 6, arrowY + 11);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 30));
    painter.drawPath(head);
    return picture;
}

} // namespace trazor
