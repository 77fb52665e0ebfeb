#include "variables/ProfilPrive.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace {

bool Blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string Epure(const std::string& s)
{
    std::size_t debut = 0;
    std::size_t fin = s.size();
    while (debut < fin && Blanc(s[debut]))
        ++debut;
    while (fin > debut && Blanc(s[fin - 1]))
        --fin;
    return s.substr(debut, fin - debut);
}

char Minuscule(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MemeNom(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscule(a[i]) != Minuscule(b[i]))
            return false;
    return true;
}

std::string Coupe(std::string s, std::size_t taille)
{
    if (taille == 0)
        return {};
    if (s.size() > taille - 1)
        s.resize(taille - 1);
    return s;
}

} // namespace

std::string LitProfilPrive(const std::string& fichier, const std::string& section,
                           const std::string& cle, const std::string& defaut,
                           std::size_t taille)
{
    std::ifstream in(fichier, std::ios::binary);
    if (!in)
        return Coupe(defaut, taille);

    const std::string sectionVoulue = Epure(section);
    const std::string cleVoulue = Epure(cle);
    bool premiereLigne = true;
    bool dansSection = false;
    bool sectionVue = false;
    std::string ligne;
    while (std::getline(in, ligne)) {
        if (premiereLigne && ligne.compare(0, 3, "\xEF\xBB\xBF") == 0)
            ligne.erase(0, 3);
        premiereLigne = false;
        const std::string l = Epure(ligne);
        if (!l.empty() && l.front() == '[') {
            // Only the first section of that name counts.
            if (sectionVue)
                break;
            const std::size_t ferme = l.find(']');
            const std::string nom = Epure(l.substr(1, ferme == std::string::npos ? std::string::npos : ferme - 1));
            dansSection = MemeNom(nom, sectionVoulue);
            sectionVue = dansSection;
            continue;
        }
        if (!dansSection)
            continue;
        const std::size_t egal = l.find('=');
        if (egal == std::string::npos || !MemeNom(Epure(l.substr(0, egal)), cleVoulue))
            continue;
        std::string valeur = Epure(l.substr(egal + 1));
        if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'')
            && valeur.back() == valeur.front())
            valeur = valeur.substr(1, valeur.size() - 2);
        return Coupe(valeur, taille);
    }
    return Coupe(defaut, taille);
}

bool LitReel(const std::string& texte, float& out)
{
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (p < fin && Blanc(*p))
        ++p;
    bool negatif = false;
    if (p < fin && (*p == '+' || *p == '-')) {
        negatif = *p == '-';
        ++p;
    }
    // The number itself carries no further sign.
    if (p == fin || *p == '+' || *p == '-')
        return false;

    float valeur = 0.0f;
    std::from_chars_result r;
    if (fin - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        r = std::from_chars(p + 2, fin, valeur, std::chars_format::hex);
        if (r.ec == std::errc::invalid_argument) {
            // "0x" with no hexadecimal digit after it reads as 0.
            valeur = 0.0f;
            r.ec = std::errc();
        }
    } else {
        r = std::from_chars(p, fin, valeur, std::chars_format::general);
    }
    if (r.ec != std::errc() || !std::isfinite(valeur))
        return false;
    out = negatif ? -valeur : valeur;
    return true;
}
