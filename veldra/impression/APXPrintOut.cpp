#include "impression/APXPrintOut.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QTransform>
#include <algorithm>

#include "impression/Imprimable.h"

APXPrintOut::APXPrintOut(const QString& titre, Imprimable& fenetre) : titre(titre), fenetre(fenetre) {}

QRect APXPrintOut::Page(const QPaintDevice& d)
{
    const auto enEcran = [](int pixels, int parPouce) {
        return parPouce > 0 ? static_cast<int>(qint64(pixels) * PIXELS_PAR_POUCE / parPouce) : pixels;
    };
    return QRect(0, 0, enEcran(d.width(), d.logicalDpiX()), enEcran(d.height(), d.logicalDpiY()));
}

void APXPrintOut::BeginPrinting(const QPaintDevice& d)
{
    pageMin = 1;
    pageMax = std::max(1, fenetre.NombrePages(Page(d)));
}

void APXPrintOut::PrintPage(QPainter& p, int page)
{
    const QPaintDevice& d = *p.device();
    const QRect rect = Page(d);
    p.save();
    // The mapping is a world transform, so that drawing code that works
    // from the world transform (and resets it to draw in device pixels)
    // keeps the page's scale.
    if (!rect.isEmpty())
        p.setWorldTransform(QTransform::fromScale(double(d.width()) / rect.width(), double(d.height()) / rect.height()));
    // The window's default font: 12 page units (12 pixels on the screen).
    QFont police("Arial");
    police.setPixelSize(12);
    p.setFont(police);
    fenetre.PeintPage(p, page, rect);
    p.restore();
}

APXPrintOut::Resultat APXPrintOut::Imprime(QPrinter& imprimante, const Suivi& suivi, int copies, bool assemblees)
{
    QPainter p;
    if (!p.begin(&imprimante))
        return Resultat::Erreur;
    BeginPrinting(imprimante);
    copies = std::max(1, copies);
    const int pages = pageMax - pageMin + 1;
    Resultat resultat = Resultat::Imprime;
    for (int feuille = 0; feuille < pages * copies; ++feuille) {
        if (suivi && !suivi(feuille, pages * copies)) {
            resultat = Resultat::Annule;
            break;
        }
        if (feuille > 0 && !imprimante.newPage()) {
            resultat = Resultat::Erreur;
            break;
        }
        const int rang = assemblees ? feuille % pages : feuille / copies;
        PrintPage(p, pageMin + rang);
    }
    if (resultat == Resultat::Annule)
        imprimante.abort();
    if (p.isActive() && !p.end() && resultat == Resultat::Imprime)
        resultat = Resultat::Erreur;
    if (resultat == Resultat::Imprime && imprimante.printerState() == QPrinter::Error)
        resultat = Resultat::Erreur;
    return resultat;
}
