#include "nomenclature/FenetreNomenclature.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "vue/veldraWindowView.h"

namespace {
const QColor GRIS(128, 128, 128);
}

FenetreNomenclature::FenetreNomenclature(QWidget* parent) : QAbstractScrollArea(parent)
{
    // A scroller of 10 by 10 units over 100 by 100, with a vertical bar only.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (QScrollBar* barre : {horizontalScrollBar(), verticalScrollBar()}) {
        barre->setRange(0, 100);
        barre->setSingleStep(1);
    }
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont FenetreNomenclature::Police() const
{
    return testAttribute(Qt::WA_SetFont) ? font() : nomenclature::PoliceParDefaut();
}

int FenetreNomenclature::HauteurLigne() const { return nomenclature::HauteurEcran(Police()); }

int FenetreNomenclature::HauteurLignePapier() const { return nomenclature::HauteurPapier(Police()); }

QPoint FenetreNomenclature::Decalage() const
{
    return QPoint(horizontalScrollBar()->value() * UNITE_DEFILEMENT,
                  verticalScrollBar()->value() * UNITE_DEFILEMENT);
}

QSize FenetreNomenclature::TailleMaximale() const
{
    const bool impression = veldraWindowView::Impression && veldraWindowView::Impression();
    return impression ? QSize(32000, 32000) : maximumSize();
}

int FenetreNomenclature::NombrePages(const QRect& page) const
{
    return nomenclature::NombrePages(page.height(), HauteurLignePapier(),
                                     nomenclature::Nombre(ListePapier()));
}

void FenetreNomenclature::PeintPage(QPainter& p, int page, const QRect& pageRect) const
{
    if (pageRect.isEmpty())
        return;
    nomenclature::PeintPage(p, Police(), Entete(), TitrePapier(), ListePapier(), page, pageRect);
}

void FenetreNomenclature::Peint(QPainter& p) const
{
    p.save();
    p.fillRect(QRect(QPoint(0, 0), viewport()->size()), GRIS);
    const QPoint d = Decalage();
    p.translate(-d.x(), -d.y());
    nomenclature::PeintEcran(p, Police(), Entete(), ListeEcran(), Style());
    p.restore();
}

void FenetreNomenclature::paintEvent(QPaintEvent* /*e*/)
{
    QPainter p(viewport());
    Peint(p);
}

void FenetreNomenclature::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / UNITE_DEFILEMENT));
}
