#include "Icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "Commandes.h"

namespace {

const QColor ENCRE(20, 20, 30);
const QColor CYAN(128, 255, 255);
const QColor BLEU(40, 90, 170);

void Pas(QPainter& p, qreal x, qreal y, qreal w, qreal h, bool double_ = false, const QString& lettre = {})
{
    p.setBrush(CYAN);
    p.drawRect(QRectF(x, y, w, h));
    if (double_)
        p.drawRect(QRectF(x + 2, y + 2, w - 4, h - 4));
    if (!lettre.isEmpty()) {
        QFont f("DejaVu Sans");
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(x, y, w, h), Qt::AlignCenter, lettre);
    }
}

void Dessine(QPainter& p, int id)
{
    p.setPen(QPen(ENCRE, 1.2));
    p.setBrush(Qt::NoBrush);
    switch (id) {
    case cmd::OUTIL_PREMIER + 0: // initial step
        p.drawLine(QPointF(12, 1), QPointF(12, 5));
        Pas(p, 5, 5, 14, 14, true);
        p.drawLine(QPointF(12, 19), QPointF(12, 23));
        break;
    case cmd::OUTIL_PREMIER + 1: // step
        p.drawLine(QPointF(12, 1), QPointF(12, 5));
        Pas(p, 5, 5, 14, 14);
        p.drawLine(QPointF(12, 19), QPointF(12, 23));
        break;
    case cmd::OUTIL_PREMIER + 2: // transition
        p.drawLine(QPointF(12, 2), QPointF(12, 22));
        p.setPen(QPen(ENCRE, 2.4));
        p.drawLine(QPointF(6, 12), QPointF(18, 12));
        break;
    case cmd::OUTIL_PREMIER + 3: // OR divergence
        p.drawLine(QPointF(12, 2), QPointF(12, 9));
        p.drawLine(QPointF(4, 9), QPointF(20, 9));
        p.drawLine(QPointF(5, 9), QPointF(5, 22));
        p.drawLine(QPointF(19, 9), QPointF(19, 22));
        break;
    case cmd::OUTIL_PREMIER + 4: // OR convergence
        p.drawLine(QPointF(5, 2), QPointF(5, 15));
        p.drawLine(QPointF(19, 2), QPointF(19, 15));
        p.drawLine(QPointF(4, 15), QPointF(20, 15));
        p.drawLine(QPointF(12, 15), QPointF(12, 22));
        break;
    case cmd::OUTIL_PREMIER + 5: // AND divergence
        p.drawLine(QPointF(12, 2), QPointF(12, 8));
        p.drawLine(QPointF(3, 8), QPointF(21, 8));
        p.drawLine(QPointF(3, 11), QPointF(21, 11));
        p.drawLine(QPointF(5, 11), QPointF(5, 22));
        p.drawLine(QPointF(19, 11), QPointF(19, 22));
        break;
    case cmd::OUTIL_PREMIER + 6: // AND convergence
        p.drawLine(QPointF(5, 2), QPointF(5, 13));
        p.drawLine(QPointF(19, 2), QPointF(19, 13));
        p.drawLine(QPointF(3, 13), QPointF(21, 13));
        p.drawLine(QPointF(3, 16), QPointF(21, 16));
        p.drawLine(QPointF(12, 16), QPointF(12, 22));
        break;
    case cmd::OUTIL_PREMIER + 7: { // return link: an upward loop arrow
        QPainterPath chemin;
        chemin.moveTo(14, 21);
        chemin.lineTo(5, 21);
        chemin.lineTo(5, 4);
        chemin.lineTo(14, 4);
        p.drawPath(chemin);
        p.drawLine(QPointF(2, 13), QPointF(5, 9));
        p.drawLine(QPointF(5, 9), QPointF(8, 13));
        p.drawLine(QPointF(14, 1), QPointF(14, 23));
        break;
    }
    case cmd::OUTIL_PREMIER + 8: // macro-step
        Pas(p, 5, 4, 14, 16, false, "M");
        p.drawLine(QPointF(5, 16), QPointF(19, 16));
        p.drawLine(QPointF(5, 18), QPointF(19, 18));
        break;
    case cmd::OUTIL_PREMIER + 9:
        Pas(p, 5, 4, 14, 14, false, "E");
        p.drawLine(QPointF(12, 18), QPointF(12, 23));
        break;
    case cmd::OUTIL_PREMIER + 10:
        p.drawLine(QPointF(12, 1), QPointF(12, 6));
        Pas(p, 5, 6, 14, 14, false, "S");
        break;
    case cmd::MODE_SELECTION: { // arrow
        QPainterPath fleche;
        fleche.moveTo(6, 3);
        fleche.lineTo(6, 19);
        fleche.lineTo(10, 15);
        fleche.lineTo(13, 21);
        fleche.lineTo(15, 20);
        fleche.lineTo(12, 14);
        fleche.lineTo(18, 14);
        fleche.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(fleche);
        break;
    }
    case cmd::MODE_EFFACEMENT: // waste bin
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(6, 8, 12, 13));
        p.drawLine(QPointF(4, 6), QPointF(20, 6));
        p.drawRect(QRectF(9, 3, 6, 3));
        p.drawLine(QPointF(10, 11), QPointF(10, 18));
        p.drawLine(QPointF(14, 11), QPointF(14, 18));
        break;
    case cmd::MODE_TEXTE: { // "abc" with a text cursor
        QFont f("DejaVu Sans");
        f.setPixelSize(9);
        p.setFont(f);
        p.drawText(QRectF(1, 6, 18, 12), Qt::AlignCenter, "abc");
        p.drawLine(QPointF(20, 5), QPointF(20, 19));
        p.drawLine(QPointF(18, 5), QPointF(22, 5));
        p.drawLine(QPointF(18, 19), QPointF(22, 19));
        break;
    }
    case cmd::MODE_LIAISON: // corner line
        p.drawLine(QPointF(4, 4), QPointF(4, 19));
        p.drawLine(QPointF(4, 19), QPointF(20, 19));
        p.drawLine(QPointF(20, 19), QPointF(20, 8));
        p.setPen(QPen(ENCRE, 2.4));
        p.drawLine(QPointF(14, 8), QPointF(22, 8));
        break;
    case cmd::NOUVEAU:
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(5, 2), QPointF(14, 2), QPointF(19, 7), QPointF(19, 22), QPointF(5, 22)}));
        p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
        break;
    case cmd::OUVRIR:
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(20, 8), QPointF(20, 20), QPointF(2, 20)}));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({QPointF(2, 20), QPointF(6, 11), QPointF(23, 11), QPointF(20, 20)}));
        break;
    case cmd::SAUVEGARDER:
        p.setBrush(BLEU);
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.drawRect(QRectF(6, 14, 12, 7));
        break;
    case cmd::ANNULER: {
        QPainterPath arc;
        arc.moveTo(6, 10);
        arc.cubicTo(10, 3, 21, 5, 19, 14);
        arc.cubicTo(18, 18, 14, 20, 10, 20);
        p.setPen(QPen(ENCRE, 2));
        p.drawPath(arc);
        p.drawLine(QPointF(6, 10), QPointF(6, 4));
        p.drawLine(QPointF(6, 10), QPointF(12, 10));
        break;
    }
    case cmd::IMPRIMER:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(190, 190, 200));
        p.drawRect(QRectF(3, 10, 18, 8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 7));
        break;
    case cmd::APERCU:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 2, 13, 18));
        p.setBrush(QColor(220, 240, 255));
        p.drawEllipse(QPointF(14, 13), 5, 5);
        p.setPen(QPen(ENCRE, 2.4));
        p.drawLine(QPointF(18, 17), QPointF(22, 22));
        break;
    case cmd::ZOOM1:
    case cmd::ZOOM2:
    case cmd::ZOOM3: {
        p.setBrush(QColor(220, 240, 255));
        p.drawEllipse(QPointF(10, 10), 7, 7);
        p.setPen(QPen(ENCRE, 2.4));
        p.drawLine(QPointF(15, 15), QPointF(21, 21));
        QFont f("DejaVu Sans");
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.setPen(ENCRE);
        p.drawText(QRectF(3, 3, 14, 14), Qt::AlignCenter, QString::number(id - cmd::ZOOM1 + 1));
        break;
    }
    default:
        p.drawRect(QRectF(4, 4, 16, 16));
        break;
    }
}

QPixmap Image(int id, int taille)
{
    QPixmap pm(taille, taille);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 24.0, taille / 24.0);
    Dessine(p, id);
    return pm;
}

QIcon Icone(int id)
{
    QIcon icone;
    for (int taille : {16, 24, 32, 48})
        icone.addPixmap(Image(id, taille));
    return icone;
}

} // namespace

QIcon IconeCommande(int id) { return Icone(id); }
QIcon IconeApplication() { return Icone(cmd::OUTIL_PREMIER); }
QIcon IconeDiagramme() { return Icone(cmd::OUTIL_PREMIER + 1); }
QIcon IconeNomenclature() { return Icone(cmd::MODE_TEXTE); }
