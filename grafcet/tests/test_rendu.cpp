// Element drawing, checked on the recording surface: the exact lines,
// rectangles and texts, with the pen, brush and font they were drawn with.
#include <gtest/gtest.h>

#include <algorithm>

#include "Grafcet.h"
#include "elements/Elements.h"
#include "platform/Cp1252.h"
#include "rendu/SurfaceEnregistree.h"
#include "rendu/SurfaceSvg.h"

namespace {

using Trace = SurfaceEnregistree::Trace;

std::vector<std::string> Dessin(SGrafcet& e)
{
    SurfaceEnregistree dc;
    e.Dessine(dc);
    return dc.Lignes();
}

bool Contient(const std::vector<std::string>& l, const std::string& s)
{
    return std::find(l.begin(), l.end(), s) != l.end();
}

TEST(Rendu, StepShapesAndNumber)
{
    Etape e(1, 100, 50);
    e.MNumero(5);
    EXPECT_EQ(Dessin(e), (std::vector<std::string>{
                             "ligne 100 50 100 60", "ligne 100 80 100 84", "rect 90 60 110 80",
                             "centre 92 62 108 78 '5'", "texte 98 62 '5'"}));
    Etape initiale(0, 100, 50);
    initiale.MTaille(2, TPoint(0, 120)); // stretched: the lower link reaches the bottom
    const auto l = Dessin(initiale);
    EXPECT_TRUE(Contient(l, "rect 92 62 108 78"));
    EXPECT_TRUE(Contient(l, "ligne 100 80 100 120"));
}

TEST(Rendu, LongStepNumbersAreDrawnShortenedBesideTheCentre)
{
    struct Cas {
        short numero;
        std::string centre, second;
    };
    const Cas cas[] = {{5, "centre 92 62 108 78 '5'", "texte 98 62 '5'"},
                       {42, "centre 92 62 108 78 '42'", "texte 96 62 '42'"},
                       {123, "centre 92 62 108 78 '123'", "texte 94 62 ''"},
                       {1234, "centre 92 62 108 78 '1234'", "texte 92 62 '1'"},
                       {-7, "centre 92 62 108 78 '-7'", "texte 96 62 '-7'"}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.numero);
        Etape e(1, 100, 50);
        e.MNumero(c.numero);
        const auto l = Dessin(e);
        EXPECT_EQ(l[l.size() - 2], c.centre);
        EXPECT_EQ(l.back(), c.second);
    }
}

TEST(Rendu, StateAndErrorColoursAndRestoredState)
{
    SurfaceEnregistree dc;
    const TPen styloAvant(TColor(1, 2, 3));
    dc.SelectObject(styloAvant);
    Etape e(1, 100, 50);
    e.SetEtat(true);
    e.MErreur(1);
    e.Dessine(dc);
    const Trace boite = dc.DuGenre(Trace::RECTANGLE)[0];
    EXPECT_EQ(boite.pinceau.couleur, TColor(255, 0, 0));
    EXPECT_EQ(boite.stylo.couleur, TColor(255, 0, 0));
    EXPECT_EQ(dc.DuGenre(Trace::TEXTE_CENTRE)[0].police.face, "Times New Roman");
    EXPECT_EQ(dc.DuGenre(Trace::TEXTE_CENTRE)[0].modeFond, TDC::TRANSPARENT);
    EXPECT_EQ(dc.Pen(), styloAvant); // left as it was found
    EXPECT_EQ(dc.Brush(), TBrush());

    dc.Vide();
    Etape calme(1, 100, 50);
    calme.Dessine(dc);
    EXPECT_EQ(dc.DuGenre(Trace::RECTANGLE)[0].pinceau.couleur, TColor(128, 255, 255));
    EXPECT_EQ(dc.DuGenre(Trace::RECTANGLE)[0].stylo, styloAvant);

    // Macro elements show their state but never an error mark.
    dc.Vide();
    Macro m(100, 50);
    m.MErreur(1);
    m.SetEtat(true);
    m.Dessine(dc);
    EXPECT_EQ(dc.DuGenre(Trace::RECTANGLE)[0].pinceau.couleur, TColor(255, 0, 0));
    EXPECT_EQ(dc.DuGenre(Trace::RECTANGLE)[0].stylo, styloAvant);
}

TEST(Rendu, MacroElements)
{
    Macro m(100, 50);
    m.MNumero(3);
    EXPECT_EQ(Dessin(m), (std::vector<std::string>{
                             "ligne 100 50 100 60", "ligne 100 80 100 84", "rect 90 60 110 80",
                             "centre 90 60 110 80 'M3'", "ligne 90 73 110 73", "ligne 90 75 110 75"}));
    MacroE e(100, 50);
    e.MNumero(3);
    EXPECT_EQ(Dessin(e), (std::vector<std::string>{"rect 90 50 110 70", "ligne 100 70 100 74",
                                                   "centre 90 55 110 70 'E3'"}));
    MacroF f(100, 50);
    f.MNumero(3);
    EXPECT_EQ(Dessin(f), (std::vector<std::string>{"ligne 100 50 100 54", "rect 90 54 110 74",
                                                   "centre 90 59 110 74 'S3'"}));
}

TEST(Rendu, ReceptivityCharacterByCharacter)
{
    Transition t(100, 50);
    t.MString("a.b");
    EXPECT_EQ(Dessin(t), (std::vector<std::string>{"ligne 100 50 100 62", "ligne 96 57 104 57",
                                                   "texte 105 51 'a'", "texte 109 51 '.'",
                                                   "texte 113 51 'b'"}));
    t.MString("\xAF" "ab.c");
    const auto nie = Dessin(t);
    EXPECT_TRUE(Contient(nie, "ligne 104 51 110 51")); // over a
    EXPECT_TRUE(Contient(nie, "ligne 108 51 114 51")); // over b
    EXPECT_EQ(std::count_if(nie.begin(), nie.end(),
                            [](const std::string& s) { return s.rfind("ligne", 0) == 0 && s.find(" 51 ") != std::string::npos && s.find(" 51", 12) != std::string::npos; }),
              2);
    t.MString("\xAD" "a");
    EXPECT_EQ(Dessin(t), (std::vector<std::string>{"ligne 100 50 100 62", "ligne 96 57 104 57",
                                                   "ligne 106 51 106 61", "ligne 105 52 106 51",
                                                   "ligne 106 51 107 52", "texte 109 51 'a'"}));
    t.MString("\xAE" "mw");
    EXPECT_EQ(Dessin(t), (std::vector<std::string>{"ligne 100 50 100 62", "ligne 96 57 104 57",
                                                   "ligne 106 51 106 61", "ligne 106 61 105 60",
                                                   "ligne 107 60 106 61", "texte 109 51 'm'",
                                                   "texte 115 51 'w'"}));
    SurfaceEnregistree dc;
    t.MErreur(1);
    t.Dessine(dc);
    EXPECT_EQ(dc.Traces()[0].stylo.couleur, TColor(255, 0, 0));
    EXPECT_EQ(dc.DuGenre(Trace::TEXTE)[0].police.face, "Norim Fonts");
    EXPECT_EQ(dc.DuGenre(Trace::TEXTE)[0].modeFond, TDC::OPAQUE);
    EXPECT_EQ(dc.DuGenre(Trace::TEXTE)[0].couleurFond, TColor::White);
}

TEST(Rendu, ActionBlockItemsConditionsAndSeparators)
{
    Action a(114, 60);
    a.MString("{a0}AV|M1=5|");
    EXPECT_EQ(Dessin(a), (std::vector<std::string>{
                             "ligne 110 70 114 70",      // connector from the step
                             "rect 114 60 162 80",       // (2+3)*4 + (4+3)*4 wide
                             "ligne 116 60 116 54",      // condition tick at x+c+2
                             "ligne 114 56 118 56",      // its cross stroke
                             "texte 119 51 ' '",         // the condition starts with a space
                             "texte 123 51 'a'",
                             "texte 127 51 '0'",
                             "texte 116 64 'AV'",        // the item text at x+c+2, y+4
                             "ligne 130 60 130 80",      // separator: width 12 (condition) + 4
                             "texte 136 64 'M1=5'",      // next item at c = 12 + 8
                         }));
    Action seule(114, 60);
    seule.MString("A|");
    const auto l = Dessin(seule);
    EXPECT_EQ(std::count_if(l.begin(), l.end(),
                            [](const std::string& s) { return s.rfind("ligne 1", 0) == 0 && s.find(" 60 ") != std::string::npos && s.find(" 80") != std::string::npos; }),
              0); // no separator after the last item
}

TEST(Rendu, BarsAndReturnLink)
{
    DivOu ou(100, 50);
    EXPECT_EQ(Dessin(ou), (std::vector<std::string>{"ligne 100 53 140 53", "ligne 100 50 100 53"}));
    ConvOu co(100, 50);
    co.MErreur(1);
    SurfaceEnregistree dc;
    co.Dessine(dc);
    EXPECT_EQ(dc.Lignes(), (std::vector<std::string>{"ligne 100 50 140 50", "ligne 100 50 100 56"}));
    EXPECT_EQ(dc.Traces()[0].stylo.couleur, TColor(255, 0, 0));
    DivEt et(100, 50);
    EXPECT_EQ(Dessin(et), (std::vector<std::string>{"ligne 98 50 140 50", "ligne 98 52 140 52"}));
    Retour r(TPoint(100, 200), TPoint(60, 0), TPoint(100, 40));
    EXPECT_EQ(Dessin(r), (std::vector<std::string>{"ligne 100 200 60 200", "ligne 60 200 60 40",
                                                   "ligne 60 40 100 40", "ligne 55 125 60 120",
                                                   "ligne 60 120 65 125"}));
}

TEST(Rendu, CommentsAndTheirErrorLook)
{
    CText c(10, 20);
    c.MString("Bonjour");
    SurfaceEnregistree dc;
    c.Dessine(dc);
    EXPECT_EQ(dc.Lignes(), (std::vector<std::string>{"texte 10 20 'Bonjour'"}));
    EXPECT_FALSE(dc.Traces()[0].police.italique);
    dc.Vide();
    c.MErreur(1);
    c.Dessine(dc);
    EXPECT_TRUE(dc.Traces()[0].police.italique);
    EXPECT_EQ(dc.Traces()[0].stylo.couleur, TColor(255, 0, 0));
}

TEST(Rendu, ContainerDrawsInListOrder)
{
    Grafcet g;
    TPoint p(100, 40);
    g.Ajoute(ETAPE_INITIALE, p, AUCUN);
    SurfaceEnregistree dc;
    g.Dessine(dc);
    EXPECT_EQ(dc.Lignes().front(), "ligne 100 40 100 50");
    EXPECT_EQ(dc.Lignes().back(), "rect 114 50 149 70"); // the action block comes after its step
}

TEST(Rendu, TextsBecomeUtf8WithVisibleEquationCodes)
{
    EXPECT_EQ(Cp1252VersUtf8("\xE9t\xE9 \x80 \xAD\xAE\xAF"), "été € ↑↓‾");
    std::string octets;
    EXPECT_TRUE(Utf8VersCp1252("été € ↑↓‾", octets));
    EXPECT_EQ(octets, "\xE9t\xE9 \x80 \xAD\xAE\xAF");
    EXPECT_FALSE(Utf8VersCp1252("日本", octets));
    EXPECT_EQ(octets, "??");
    EXPECT_FALSE(Utf8VersCp1252("\xC3", octets)); // cut sequence
}

TEST(Rendu, SvgPictureEscapesTextAndCoversTheDrawing)
{
    SurfaceSvg svg(3);
    CText c(10, 20);
    c.MString("a<b & \"c\" \xE9");
    c.Dessine(svg);
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("a&lt;b &amp; &quot;c&quot; é"), std::string::npos) << doc;
    EXPECT_NE(doc.find("viewBox=\"0 10 53 30\""), std::string::npos) << doc;
    EXPECT_NE(doc.find("width=\"159\" height=\"90\""), std::string::npos) << doc;
    EXPECT_NE(doc.find("'Times New Roman', 'Liberation Serif'"), std::string::npos);
}

} // namespace
