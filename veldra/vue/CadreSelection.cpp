#include "vue/CadreSelection.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

bool Dans(const TRect& r, TPoint p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

QRectF VersQRectF(const TRect& r) { return QRectF(r.left, r.top, r.Width(), r.Height()); }

} // namespace

CadreSelection::CadreSelection(const TRect& r, unsigned s, int e)
    : cadre(std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)),
      style(s), epaisseur(std::max(1, e))
{
}

std::array<TRect, 8> CadreSelection::Poignees() const
{
    const int t = epaisseur;
    // Left (or top) edge of the handles of each column (or row): inside the
    // frame against its sides, or outside them.
    const bool dehors = style & POIGNEES_DEHORS;
    const int x0 = dehors ? cadre.left - t : cadre.left;
    const int x2 = dehors ? cadre.right : cadre.right - t;
    const int x1 = (cadre.left + cadre.right) / 2 - t / 2;
    const int y0 = dehors ? cadre.top - t : cadre.top;
    const int y2 = dehors ? cadre.bottom : cadre.bottom - t;
    const int y1 = (cadre.top + cadre.bottom) / 2 - t / 2;
    auto carre = [t](int x, int y) { return TRect(x, y, x + t, y + t); };
    return {carre(x0, y0), carre(x1, y0), carre(x2, y0), carre(x2, y1),
            carre(x2, y2), carre(x1, y2), carre(x0, y2), carre(x0, y1)};
}

CadreSelection::Zone CadreSelection::HitTest(TPoint p) const
{
    const std::array<TRect, 8> poignees = Poignees();
    for (std::size_t i = 0; i < poignees.size(); ++i)
        if (Dans(poignees[i], p))
            return Zone(i);
    return Dans(cadre, p) ? DEDANS : DEHORS;
}

void CadreSelection::Peint(QPainter& p) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (style & BORD_HACHURE) {
        const QRectF r = VersQRectF(cadre);
        const QRectF dedans = r.adjusted(epaisseur, epaisseur, -epaisseur, -epaisseur);
        QPainterPath bord;
        bord.setFillRule(Qt::OddEvenFill);
        bord.addRect(r);
        if (dedans.isValid())
            bord.addRect(dedans);
        p.fillPath(bord, QBrush(QColor(96, 96, 96), Qt::BDiagPattern));
    }
    QPen trait(Qt::black, 1, Qt::DotLine);
    trait.setCosmetic(true);
    p.setPen(trait);
    p.setBrush(Qt::NoBrush);
    p.drawRect(VersQRectF(cadre));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const TRect& poignee : Poignees())
        p.drawRect(VersQRectF(poignee));
    p.restore();
}
