#pragma once

#include <string>
#include <vector>

#include "platform/TDC.h"

// A drawing surface that keeps every primitive drawn on it, with the state
// it was drawn with, for the tests to read back.
class SurfaceEnregistree : public TDC {
public:
    struct Trace {
        enum Genre { LIGNE, RECTANGLE, TEXTE, TEXTE_CENTRE } genre;
        TPoint a, b;     // line ends; text corner in a
        TRect r;         // rectangle, or the rectangle of a centred text
        std::string texte;
        TPen stylo;
        TBrush pinceau;
        TFont police;
        int modeFond;
        TColor couleurFond;

        // One readable line: "ligne 1 2 3 4", "rect 1 2 3 4", "texte 1 2 'a'",
        // "centre 1 2 3 4 'a'".
        std::string Texte() const;
    };

    const std::vector<Trace>& Traces() const { return traces; }
    std::vector<std::string> Lignes() const;
    std::vector<Trace> DuGenre(Trace::Genre g) const;
    void Vide() { traces.clear(); }

protected:
    void Ligne(TPoint a, TPoint b) override;
    void Rect(const TRect& r) override;
    void Texte(TPoint coin, const std::string& texte) override;
    void TexteCentre(const TRect& r, const std::string& texte) override;

private:
    Trace Nouvelle(Trace::Genre g) const;
    std::vector<Trace> traces;
};
