#include "nomenclature/Dessin.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <algorithm>

#include "ConversionTexte.h"

namespace nomenclature {

namespace {

const QColor NOIR(0, 0, 0);
const QColor ROUGE_CLAIR(255, 0, 0);
const QColor BLEU_CLAIR(0, 0, 255);

// Texts are placed by the top of their cell, as the layout gives them.
void Texte(QPainter& p, int x, int y, const QString& texte, QColor couleur)
{
    p.setPen(couleur);
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), texte);
}

void Trait(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.setPen(QPen(NOIR, 1));
    p.drawLine(x1, y1, x2, y2);
}

QString Label(const composant& c) { return VersQString(LitChamp(c.label)); }
QString Designation(const composant& c) { return VersQString(LitChamp(c.designation)); }

int Hauteur(const QFont& police)
{
    const QFontMetrics m(police);
    return m.height() + std::max(0, m.leading());
}

// The lines every page starts with: title and page number, card,
// operative part, column headings and the frame of the heading line.
void PeintEntetePage(QPainter& p, int h, int lignes, const EnTete& entete, const QString& titre,
                     int page)
{
    if (lignes > 1) {
        Texte(p, X_TITRE, h, titre, NOIR);
        Texte(p, X_PAGE, h, QStringLiteral("Page %1").arg(page), NOIR);
    }
    if (lignes > 2) {
        Texte(p, X_GAUCHE, 2 * h, QString::fromUtf8(CARTE_COMMANDE), NOIR);
        Texte(p, X_NOM, 2 * h, entete.carte, ROUGE_CLAIR);
    }
    if (lignes > 3) {
        Texte(p, X_GAUCHE, 3 * h, QString::fromUtf8(PARTIE_OPERATIVE), NOIR);
        Texte(p, X_NOM, 3 * h, entete.nomPop, ROUGE_CLAIR);
    }
    if (lignes > 5) {
        Texte(p, X_LABEL, 5 * h, QString::fromUtf8(LABEL), NOIR);
        Texte(p, X_DESIGNATION, 5 * h, QString::fromUtf8(DESIGNATION), NOIR);
        Trait(p, X_BORD_LABEL, 5 * h, X_DROITE, 5 * h);
        for (const int x : {X_BORD_LABEL, X_REGLE, X_DROITE})
            Trait(p, x, 5 * h, x, 6 * h);
    }
}

} // namespace

QFont PoliceParDefaut()
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(12);
    police.setWeight(QFont::Normal);
    return police;
}

int HauteurEcran(const QFont& police) { return Hauteur(police) + 2; }

int HauteurPapier(const QFont& police)
{
    const int h = Hauteur(police);
    return h > 0 ? h : 10;
}

std::vector<LigneEcran> LignesEcran(const Liste& liste)
{
    std::vector<LigneEcran> lignes;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const int n = static_cast<int>(liste[i].composants.size());
        if (n == 0 && i == 0)
            lignes.push_back({0, -1});
        for (int k = 0; k < n; ++k)
            lignes.push_back({static_cast<int>(i), k});
    }
    return lignes;
}

void PeintEcran(QPainter& p, const QFont& police, const EnTete& entete, const Liste& liste,
                const StyleEcran& style)
{
    p.save();
    p.setFont(police);
    p.setBackgroundMode(Qt::TransparentMode);
    const int h = HauteurEcran(police);

    Texte(p, X_GAUCHE, 2 * h, QString::fromUtf8(CARTE_COMMANDE), NOIR);
    Texte(p, X_NOM, 2 * h, entete.carte, ROUGE_CLAIR);
    Texte(p, X_NOM, 3 * h, entete.nomPop, ROUGE_CLAIR);
    Texte(p, X_GAUCHE, 3 * h, QString::fromUtf8(PARTIE_OPERATIVE), NOIR);
    Texte(p, X_LABEL, 5 * h, QString::fromUtf8(LABEL), NOIR);
    Texte(p, X_DESIGNATION, 5 * h, QString::fromUtf8(DESIGNATION), NOIR);

    int g = PREMIERE_LIGNE;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const Rubrique& r = liste[i];
        const int n = static_cast<int>(r.composants.size());
        const int lignes = n > 0 ? n : (i == 0 ? 1 : 0);
        if (lignes > 0) {
            // The frame is filled with white, as a rectangle is by default.
            p.setPen(QPen(NOIR, 1));
            p.setBrush(Qt::white);
            p.drawRect(X_GAUCHE, g * h, X_DROITE - X_GAUCHE - 1, lignes * h - 1);
            p.setBrush(Qt::NoBrush);
            Texte(p, X_ENTETE, g * h + 2, Entete(r.categorie), NOIR);
        }
        const bool decalee = std::find(style.decalees.begin(), style.decalees.end(), r.categorie)
                             != style.decalees.end();
        const int debut = decalee ? X_BORD_LABEL : X_NOM;
        const int dy = decalee ? 1 : 0;
        for (const composant& c : r.composants) {
            Texte(p, X_LABEL, g * h + dy, Label(c), style.couleurLabel);
            Texte(p, X_DESIGNATION, g * h + dy, Designation(c), NOIR);
            Trait(p, debut, g * h, X_DROITE, g * h);
            ++g;
        }
        if (n == 0 && i == 0)
            ++g;
        if (r.categorie == style.finRegleNom)
            Trait(p, X_NOM, PREMIERE_LIGNE * h, X_NOM, g * h);
    }
    Trait(p, X_BORD_LABEL, 5 * h, X_BORD_LABEL, g * h);
    Trait(p, X_REGLE, 5 * h, X_REGLE, g * h);
    Trait(p, X_DROITE, PREMIERE_LIGNE * h, X_DROITE, 5 * h);
    Trait(p, X_DROITE, 5 * h, X_BORD_LABEL, 5 * h);
    p.restore();
}

int NombrePages(int hauteurPage, int h, int nombre)
{
    if (h <= 0)
        h = 10;
    const int lignes = hauteurPage / h;
    if (lignes <= PREMIERE_LIGNE)
        return 1;
    return std::max(0, nombre) / (lignes - PREMIERE_LIGNE) + 1;
}

void PeintPage(QPainter& p, const QFont& police, const EnTete& entete, const QString& titre,
               const Liste& liste, int page, const QRect& rect)
{
    const int h = HauteurPapier(police);
    const int lignes = rect.height() / h;
    const int nombre = Nombre(liste);
    if (page < 1 || page > NombrePages(rect.height(), h, nombre))
        return;

    p.save();
    p.translate(rect.topLeft());
    p.setFont(police);
    p.setBackgroundMode(Qt::TransparentMode);
    PeintEntetePage(p, h, lignes, entete, titre, page);

    // The entries in paper order, each with its kind and its rank in it.
    struct Entree {
        const Rubrique* rubrique;
        std::size_t rang;
    };
    std::vector<Entree> entrees;
    for (const Rubrique& r : liste) {
        for (std::size_t k = 0; k < r.composants.size(); ++k)
            entrees.push_back({&r, k});
    }

    const int parPage = lignes - PREMIERE_LIGNE;
    for (int i = PREMIERE_LIGNE; i < lignes; ++i) {
        const long b = static_cast<long>(page - 1) * parPage + (i - PREMIERE_LIGNE);
        if (b >= nombre)
            break;
        const Entree& e = entrees[static_cast<std::size_t>(b)];
        const int y = i * h;
        // A kind's heading opens it, and again at the top of each page it continues on.
        if (e.rang == 0 || i == PREMIERE_LIGNE) {
            Texte(p, X_ENTETE, y + 2, Entete(e.rubrique->categorie), NOIR);
            Trait(p, X_GAUCHE, y, X_BORD_LABEL, y);
        }
        const composant& c = e.rubrique->composants[e.rang];
        Texte(p, X_LABEL, y, Label(c), BLEU_CLAIR);
        Texte(p, X_DESIGNATION, y, Designation(c), NOIR);
        Trait(p, X_BORD_LABEL, y, X_DROITE, y);
        for (const int x : {X_GAUCHE, X_BORD_LABEL, X_REGLE, X_DROITE})
            Trait(p, x, y, x, y + h);
        if (i == lignes - 1 || b + 1 == nombre)
            Trait(p, X_GAUCHE, y + h, X_DROITE, y + h);
    }
    p.restore();
}

} // namespace nomenclature
