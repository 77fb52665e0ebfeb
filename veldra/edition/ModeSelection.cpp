// Selection mode: a drag down and to the right selects the elements anchored
// in the rectangle (Shift adds or removes an area); a drag from inside the
// selection moves it, unless the place it would land on is taken. Deletion
// mode: a click deletes the element there.
#include <QRegion>

#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "edition/Edition.h"
#include "vue/CadreSelection.h"
#include "vue/Select.h"
#include "vue/veldraWindowView.h"

namespace edition {

namespace {

QRect VersQRect(const TRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

TRect Boite(const QRegion& region)
{
    const QRect b = region.boundingRect();
    return TRect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
}

} // namespace

void PresseSelection(veldraWindowView& v, TPoint p)
{
    const QPoint o = v.Decalage();
    if (v.SelHandle && v.SelRegion.contains(QPoint(p.x, p.y))) {
        v.Tracker = std::make_unique<DepRec>(&v, Boite(v.SelRegion));
        v.Tracking = 2; // a move begins
    } else {
        v.Tracker = std::make_unique<RectSelect>(&v);
        v.Tracking = 1; // a region selection begins
    }
    v.Tracker->Start(p, v.Zoom, static_cast<short>(o.x()), static_cast<short>(o.y()));
}

void RelacheRegion(veldraWindowView& v, TPoint p, unsigned drapeaux)
{
    Grafcet* g = v.Doc->PGraf();
    const TPoint s = v.Tracker->GetPoint(0);
    // Not reordered: only a drag down and to the right selects anything.
    const TRect selection(s.x, s.y, p.x, p.y);
    TRect limites;
    if (g && g->LRegion(selection, limites)) {
        if (drapeaux == (BOUTON_GAUCHE | MAJ))
            v.SelRegion ^= VersQRect(limites);
        else
            v.SelRegion = VersQRect(limites);
        if (v.SelRegion.isEmpty())
            v.SelHandle.reset();
        else
            v.SelHandle = std::make_unique<CadreSelection>(Boite(v.SelRegion), 16, 5);
    }
    v.Tracking = 0;
    v.Tracker.reset();
    v.Repeint();
}

void RelacheDeplacement(veldraWindowView& v, TPoint p)
{
    Grafcet* g = v.Doc->PGraf();
    TPoint s = v.Tracker->GetPoint(0);
    bool deplace = false;
    if (g) {
        short t = AUCUN;
        if (Accroche(*g, p, t)) {
            short t2 = AUCUN;
            g->LDebut(s, t2); // the moved element's anchor lands on the attach point
        }
        const short dx = static_cast<short>(p.x - s.x);
        const short dy = static_cast<short>(p.y - s.y);
        const TRect b = Boite(v.SelRegion);
        const TRect cible(b.left + dx, b.top + dy, b.right + dx, b.bottom + dy);
        if (g->TestRegion(cible)) {
            g->RazModif(); // the place is taken: the move is refused
        } else {
            g->Deplace(dx, dy);
            deplace = dx != 0 || dy != 0;
        }
    }
    v.Tracking = 0;
    v.Tracker.reset();
    v.SelHandle.reset();
    if (deplace)
        v.Modifie();
    v.Repeint();
}

void PresseEffacement(veldraWindowView& v, TPoint p)
{
    if (Grafcet* g = v.Doc->PGraf())
        g->Effacer(p, 0);
    v.Modifie();
    v.Repeint();
}

} // namespace edition
