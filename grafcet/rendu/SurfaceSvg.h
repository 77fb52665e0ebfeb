#pragma once

#include <string>

#include "platform/TDC.h"

// A drawing surface that builds an SVG picture of what is drawn on it, in
// diagram units scaled by the zoom factor (1 to 3, as in the view).
class SurfaceSvg : public TDC {
public:
    explicit SurfaceSvg(int zoom = 2);

    // The whole picture: the drawing's extent plus a margin, on white.
    std::string Document() const;

    // The font families an SVG reader is asked for, the product's face first.
    static std::string Familles(const std::string& face);

protected:
    void Ligne(TPoint a, TPoint b) override;
    void Rect(const TRect& r) override;
    void Texte(TPoint coin, const std::string& texte) override;
    void TexteCentre(const TRect& r, const std::string& texte) override;

private:
    void Etend(int x, int y);
    std::string Trait() const;
    std::string AttributsTexte(std::size_t caracteres) const;

    int zoom;
    std::string corps;
    bool vide = true;
    int xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
