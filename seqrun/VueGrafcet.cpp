#include "VueGrafcet.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSvgRenderer>
#include <algorithm>

#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "platform/TDC.h"
#include "rendu/SurfaceSvg.h"

namespace {

// Room around the elements, in diagram units: texts may reach past the
// rectangles of their elements.
constexpr int MARGE = 20;

} // namespace

VueGrafcet::VueGrafcet(TGrafDoc* doc, QWidget* parent) : QAbstractScrollArea(parent), document(doc)
{
    setObjectName(QStringLiteral("vueGrafcet"));
    viewport()->setAutoFillBackground(false);
    Mesure();
}

void VueGrafcet::SetSurface(FabriqueSurface f)
{
    fabrique = std::move(f);
    viewport()->update();
}

void VueGrafcet::SetZoom(int z)
{
    zoom = std::clamp(z, 1, 3);
    MetAJourBarres();
    viewport()->update();
}

void VueGrafcet::Rafraichit()
{
    Mesure();
    viewport()->update();
}

void VueGrafcet::Mesure()
{
    Grafcet* g = document ? document->PGraf() : nullptr;
    QRect r;
    if (g) {
        for (const auto& s : g->Symboles()) {
            const TRect& t = s->LRect();
            const QRect e(QPoint(std::min(t.left, t.right), std::min(t.top, t.bottom)),
                          QPoint(std::max(t.left, t.right), std::max(t.top, t.bottom)));
            r = r.isNull() ? e : r.united(e);
        }
    }
    etendue = r.isNull() ? QRect() : r.adjusted(-MARGE, -MARGE, MARGE, MARGE);
    MetAJourBarres();
}

void VueGrafcet::MetAJourBarres()
{
    const QSize v = viewport()->size();
    const int largeur = etendue.width() * zoom;
    const int hauteur = etendue.height() * zoom;
    horizontalScrollBar()->setRange(0, std::max(0, largeur - v.width()));
    verticalScrollBar()->setRange(0, std::max(0, hauteur - v.height()));
    horizontalScrollBar()->setPageStep(std::max(1, v.width()));
    verticalScrollBar()->setPageStep(std::max(1, v.height()));
    horizontalScrollBar()->setSingleStep(10 * zoom);
    verticalScrollBar()->setSingleStep(10 * zoom);
}

QSize VueGrafcet::sizeHint() const
{
    const QSize chart(etendue.width() * zoom, etendue.height() * zoom);
    return chart.boundedTo(QSize(640, 480)).expandedTo(QSize(200, 150));
}

void VueGrafcet::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    MetAJourBarres();
}

void VueGrafcet::scrollContentsBy(int, int) { viewport()->update(); }

void VueGrafcet::Dessine(QPainter& p)
{
    Grafcet* g = document ? document->PGraf() : nullptr;
    if (!g || etendue.isNull())
        return;
    p.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    p.scale(zoom, zoom);
    p.translate(-etendue.left(), -etendue.top());
    if (fabrique) {
        if (std::unique_ptr<TDC> surface = fabrique(p)) {
            g->Dessine(*surface);
            return;
        }
    }
    // The library's own picture of the chart, laid over the same units.
    SurfaceSvg svg(1);
    g->Dessine(svg);
    QSvgRenderer rendu(QByteArray::fromStdString(svg.Document()));
    if (rendu.isValid())
        rendu.render(&p, rendu.viewBoxF());
}

void VueGrafcet::paintEvent(QPaintEvent* e)
{
    QPainter p(viewport());
    p.fillRect(e->rect(), Qt::white);
    Dessine(p);
}
