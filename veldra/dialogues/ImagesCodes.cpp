#include "dialogues/ImagesCodes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {

void Fleche(QPainter& p, bool haut)
{
    // Shaft and head on a 32-unit square; the head points to y 4 or y 28.
    const qreal pointe = haut ? 4 : 28;
    const qreal base = haut ? 14 : 18;
    const qreal queue = haut ? 28 : 4;
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(16, queue), QPointF(16, base));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(16, pointe), QPointF(8, base), QPointF(24, base)}));
}

QPixmap Dessine(int id, qreal echelle)
{
    QPixmap image(QSize(32, 32) * echelle);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (id) {
    case 250: {
        p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 6), QPointF(23, 6));
        QFont police;
        police.setStyleHint(QFont::Serif);
        police.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                            QStringLiteral("Times New Roman")});
        police.setPixelSize(22);
        QPainterPath lettre;
        lettre.addText(0, 0, police, QStringLiteral("a"));
        const QRectF r = lettre.boundingRect();
        // The letter centred horizontally, its top just under the bar.
        lettre.translate(16 - r.center().x(), 11 - r.top());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(lettre);
        break;
    }
    case 251:
        Fleche(p, true);
        break;
    case 252:
        Fleche(p, false);
        break;
    default:
        break;
    }
    return image;
}

} // namespace

QIcon ImageCode(int id)
{
    if (id < 250 || id > 252)
        return {};
    QIcon icone;
    icone.addPixmap(Dessine(id, 1));
    icone.addPixmap(Dessine(id, 2));
    return icone;
}
