#pragma once

#include <QFont>
#include <QStringList>
#include <string>

#include "platform/TDC.h"

class QPainter;

// The drawing surface of the screen, the clipboard picture and printing: the
// elements draw in diagram units and the painter's transform (set by the
// caller: the view's zoom and scroll, the picture's scale, the page) maps
// them to the device.
class SurfaceQt : public TDC {
public:
    // How wide a pen of width w is drawn.
    enum Traits {
        // w device pixels whatever the mapping: the screen's lines stay one
        // pixel thin at every zoom factor.
        TRAITS_PIXEL,
        // w diagram units, scaled with the drawing: pictures and pages keep
        // their proportions.
        TRAITS_ECHELLE,
    };

    explicit SurfaceQt(QPainter& peintre, Traits traits = TRAITS_PIXEL);

    // The font families asked for a face of the product, its own face first
    // and then the faces installed with the system that stand in for it.
    static QStringList Familles(const std::string& face);
    // The font of a product font at a size of 100 pixels (texts are drawn at
    // that size and scaled to the cell height the element asks for).
    static QFont Police(const TFont& f);

protected:
    void Ligne(TPoint a, TPoint b) override;
    void Rect(const TRect& r) override;
    void Texte(TPoint coin, const std::string& texte) override;
    void TexteCentre(const TRect& r, const std::string& texte) override;

private:
    // The scales that draw the reference font at the cell height and the
    // average width of the current font, and the ascent at that size.
    struct Echelle {
        QFont police;
        double sx = 1, sy = 1;
        double montee = 8;
    };
    const Echelle& EchelleCourante();
    int LargeurStylo() const;
    // Draws one line of text with its cell's top-left corner at (x, top).
    void Ecrit(double x, int haut, const QString& texte, double largeur);
    double Largeur(const QString& texte);

    QPainter& p;
    Traits traits;
    TFont policeEchelle;
    bool echelleValide = false;
    Echelle echelle;
};
