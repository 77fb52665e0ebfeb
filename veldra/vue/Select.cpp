#include "vue/Select.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

#include "vue/veldraWindowView.h"

namespace {

QPoint Ecran(TPoint p, short zoom, short ox, short oy)
{
    return QPoint(p.x * zoom - ox, p.y * zoom - oy);
}

} // namespace

// ---- DepDC ----

std::string DepDC::Trace::Texte() const
{
    return std::string(genre == LIGNE ? "ligne " : "rect ") + std::to_string(a.x()) + " "
           + std::to_string(a.y()) + " " + std::to_string(b.x()) + " " + std::to_string(b.y());
}

DepDC::DepDC(QPainter& peintre) : p(&peintre)
{
    p->save();
    QPen stylo(QColor(255, 255, 0), 1, Qt::DotLine);
    stylo.setCosmetic(true);
    p->setPen(stylo);
    p->setBrush(Qt::white);
    p->setBackgroundMode(Qt::TransparentMode);
    p->setRenderHint(QPainter::Antialiasing, false);
    // Exclusive-or exists only where the painter reaches the pixels; other
    // devices (a printer, a picture) get the plain yellow band.
    if (p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Raster)
        p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else
        p->setBrush(Qt::NoBrush);
}

DepDC::~DepDC()
{
    if (p)
        p->restore();
}

void DepDC::LineTo(int x, int y)
{
    const QPoint fin(x, y);
    traces.push_back({Trace::LIGNE, position, fin});
    if (p)
        p->drawLine(position, fin);
    position = fin;
}

void DepDC::Rectangle(int gauche, int haut, int droite, int bas)
{
    const QPoint a(std::min(gauche, droite), std::min(haut, bas));
    const QPoint b(std::max(gauche, droite), std::max(haut, bas));
    traces.push_back({Trace::RECTANGLE, a, b});
    if (p && b.x() > a.x() && b.y() > a.y()) {
        // The pixels from the top-left corner up to, not including, the
        // bottom-right one, as the diagram's own rectangles.
        const int l = b.x() - a.x(), h = b.y() - a.y();
        const QPen stylo = p->pen();
        const QBrush pinceau = p->brush();
        p->setPen(Qt::NoPen);
        p->drawRect(QRect(a.x(), a.y(), l, h));
        p->setPen(stylo);
        p->setBrush(Qt::NoBrush);
        // A one-pixel outline of QRect(x, y, w, h) covers x to x + w.
        p->drawRect(QRect(a.x(), a.y(), l - 1, h - 1));
        p->setBrush(pinceau);
    }
}

std::vector<std::string> DepDC::Lignes() const
{
    std::vector<std::string> lignes;
    for (const Trace& t : traces)
        lignes.push_back(t.Texte());
    return lignes;
}

QRect DepDC::Etendue() const
{
    QRect zone;
    for (const Trace& t : traces)
        zone |= QRect(t.a, t.b).normalized().adjusted(0, 0, 1, 1);
    return zone;
}

// ---- Select ----

Select::Select(veldraWindowView* view) : View(view) {}

Select::~Select() = default;

void Select::Start(TPoint p, short zoom, short ox, short oy)
{
    const QRect avant = Etendue(zoom, ox, oy);
    Corner = p;
    if (Stage == 1) {
        Current = p;
        Stage = 2;
    } else {
        Current = p;
        Origin = p;
        Stage = 1;
    }
    Redessine(avant | Etendue(zoom, ox, oy));
}

void Select::Move(TPoint p, short zoom, short ox, short oy)
{
    if (Stage == 0)
        return;
    const QRect avant = Etendue(zoom, ox, oy);
    if (Stage == 1)
        Corner = p;
    Current = p;
    Redessine(avant | Etendue(zoom, ox, oy));
}

TPoint Select::GetPoint(short i) const
{
    switch (i) {
    case 1:
        return Current;
    case 2:
        return Corner;
    default:
        return Origin;
    }
}

void Select::Peint(QPainter& p, short zoom, short ox, short oy)
{
    if (Stage == 0)
        return;
    DepDC dc(p);
    Draw(dc, Origin, Current, Corner, zoom, ox, oy);
}

QRect Select::Etendue(short zoom, short ox, short oy)
{
    if (Stage == 0)
        return QRect();
    DepDC dc;
    Draw(dc, Origin, Current, Corner, zoom, ox, oy);
    return dc.Etendue().adjusted(-1, -1, 1, 1);
}

void Select::Redessine(const QRect& zone)
{
    if (View && !zone.isEmpty())
        View->viewport()->update(zone);
}

// ---- the shapes ----

RectSelect::~RectSelect() = default;

void RectSelect::Draw(DepDC& dc, TPoint origin, TPoint current, TPoint, short zoom, short ox, short oy)
{
    const QPoint a = Ecran(origin, zoom, ox, oy), b = Ecran(current, zoom, ox, oy);
    dc.Rectangle(a.x(), a.y(), b.x(), b.y());
}

DivSelect::~DivSelect() = default;

void DivSelect::Draw(DepDC& dc, TPoint origin, TPoint current, TPoint, short zoom, short ox, short oy)
{
    const QPoint a = Ecran(origin, zoom, ox, oy);
    const QPoint coude = Ecran(TPoint(current.x, origin.y), zoom, ox, oy);
    const QPoint b = Ecran(current, zoom, ox, oy);
    dc.MoveTo(a.x(), a.y());
    dc.LineTo(coude.x(), coude.y());
    dc.LineTo(b.x(), b.y());
}

RetourSelect::~RetourSelect() = default;

void RetourSelect::Draw(DepDC& dc, TPoint origin, TPoint current, TPoint corner, short zoom, short ox,
                        short oy)
{
    QPoint a, coude, b;
    if (corner == current) {
        a = Ecran(origin, zoom, ox, oy);
        coude = Ecran(TPoint(corner.x, origin.y), zoom, ox, oy);
        b = Ecran(TPoint(corner.x, current.y), zoom, ox, oy);
    } else {
        a = Ecran(corner, zoom, ox, oy);
        coude = Ecran(TPoint(corner.x, current.y), zoom, ox, oy);
        b = Ecran(current, zoom, ox, oy);
    }
    dc.MoveTo(a.x(), a.y());
    dc.LineTo(coude.x(), coude.y());
    dc.LineTo(b.x(), b.y());
}

DepRec::DepRec(veldraWindowView* view, const TRect& frame) : Select(view), Frame(frame) {}

DepRec::~DepRec() = default;

void DepRec::Draw(DepDC& dc, TPoint origin, TPoint current, TPoint, short zoom, short ox, short oy)
{
    const QPoint a = Ecran(origin, zoom, ox, oy), b = Ecran(current, zoom, ox, oy);
    dc.MoveTo(a.x(), a.y());
    dc.LineTo(b.x(), b.y());
    const int dx = current.x - origin.x, dy = current.y - origin.y;
    const QPoint c1 = Ecran(TPoint(Frame.left + dx, Frame.top + dy), zoom, ox, oy);
    const QPoint c2 = Ecran(TPoint(Frame.right + dx, Frame.bottom + dy), zoom, ox, oy);
    dc.Rectangle(c1.x(), c1.y(), c2.x(), c2.y());
}
