#pragma once

#include <QRect>
#include <QString>

class QPainter;
class veldraWindowView;

// A window that can be printed and previewed, page by page.
//
// The page it is given is the printable area of the paper measured in the
// screen's pixels (96 to the inch): the painter maps that rectangle onto the
// paper, so the window draws a page as it would draw it on the screen and
// the paper shows it at the screen's size. Sizes are page units: give fonts
// a pixel size (a point size would be resolved at the printer's resolution
// and then scaled a second time).
class Imprimable {
public:
    virtual ~Imprimable() = default;
    // The document's name: the print job's name and the one the error
    // messages quote.
    virtual QString Titre() const = 0;
    // How many pages the window fills on pages of that size (1 or more).
    virtual int NombrePages(const QRect& page) const = 0;
    // Draws page numero (from 1) into the page rectangle.
    virtual void PeintPage(QPainter& p, int numero, const QRect& page) = 0;
};

// Any window that has NombrePages(const QRect&) and
// PeintPage(QPainter&, int, const QRect&) of its own (the nomenclatures).
template <class Fenetre>
class ImprimableFenetre : public Imprimable {
public:
    ImprimableFenetre(Fenetre& fenetre, const QString& titre) : f(fenetre), titre(titre) {}
    QString Titre() const override { return titre; }
    int NombrePages(const QRect& page) const override { return f.NombrePages(page); }
    void PeintPage(QPainter& p, int numero, const QRect& page) override { f.PeintPage(p, numero, page); }

private:
    Fenetre& f;
    QString titre;
};

// A diagram view: one page, the diagram alone with the page's mapping (the
// view draws so while veldraWindowView::Impression answers true, which the
// application ties to its printing counter).
class ImprimableVue : public Imprimable {
public:
    ImprimableVue(veldraWindowView& vue, const QString& titre) : vue(vue), titre(titre) {}
    QString Titre() const override { return titre; }
    int NombrePages(const QRect&) const override { return 1; }
    void PeintPage(QPainter& p, int numero, const QRect& page) override;

private:
    veldraWindowView& vue;
    QString titre;
};
