#pragma once

#include <QAbstractScrollArea>
#include <QFont>

#include "nomenclature/Dessin.h"

class QPainter;

// What the two nomenclature windows share: the grey window that scrolls
// vertically by units of 10 pixels, the screen picture of the list, and
// the pages the printout asks for.
class FenetreNomenclature : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int UNITE_DEFILEMENT = 10;

    // The window's own font when one was set on it, else "Arial" 12.
    QFont Police() const;
    // The line height on the screen and on paper.
    int HauteurLigne() const;
    int HauteurLignePapier() const;
    // The scroll offset in pixels: the scroll positions times 10.
    QPoint Decalage() const;
    // The largest size the window may be given: 32000 by 32000 while the
    // application prints or previews (so that a page may size it), else
    // the widget's own maximum.
    QSize TailleMaximale() const;

    // The page count of the nomenclature on pages of this size (logical
    // units of the surface the pages are painted on).
    int NombrePages(const QRect& page) const;
    // Paints page `page` (from 1) into `pageRect` of the painter, with the
    // painter's own mapping.
    void PeintPage(QPainter& p, int page, const QRect& pageRect) const;
    // The screen's picture, scrolled, on the grey background (for the
    // paint pass and the tests).
    void Peint(QPainter& p) const;

protected:
    explicit FenetreNomenclature(QWidget* parent);

    virtual nomenclature::EnTete Entete() const = 0;
    virtual nomenclature::Liste ListeEcran() const = 0;
    virtual nomenclature::Liste ListePapier() const = 0;
    virtual nomenclature::StyleEcran Style() const = 0;
    virtual QString TitrePapier() const = 0;

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};
