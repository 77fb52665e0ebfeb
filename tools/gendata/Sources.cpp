#include "Sources.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string_view>

#include "Cp1252.h"

namespace fs = std::filesystem;

namespace {

struct Ligne {
    int numero;
    std::string_view texte;  // trimmed; never blank, never a comment
};

std::string_view Rogne(std::string_view s)
{
    const auto blanc = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanc(s.back()))
        s.remove_suffix(1);
    return s;
}

bool LitFichier(const fs::path& chemin, std::string& contenu)
{
    std::ifstream f(chemin, std::ios::binary);
    if (!f)
        return false;
    std::ostringstream tout;
    tout << f.rdbuf();
    if (f.bad())
        return false;
    contenu = tout.str();
    return true;
}

// The meaningful lines of a source: a leading byte-order mark, carriage
// returns, blank lines and lines starting with "#" are left out.
std::vector<Ligne> Lignes(std::string_view contenu)
{
    if (contenu.starts_with("\xEF\xBB\xBF"))
        contenu.remove_prefix(3);
    std::vector<Ligne> lignes;
    int numero = 0;
    while (!contenu.empty()) {
        ++numero;
        const auto fin = contenu.find('\n');
        std::string_view ligne = contenu.substr(0, fin);
        contenu.remove_prefix(fin == std::string_view::npos ? contenu.size() : fin + 1);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        ligne = Rogne(ligne);
        if (ligne.empty() || ligne.front() == '#')
            continue;
        lignes.push_back({numero, ligne});
    }
    return lignes;
}

// Splits on "|" into at most `max` columns, the last one taking the rest of
// the line (so a designation may itself hold a "|"). Columns are trimmed.
std::vector<std::string_view> Colonnes(std::string_view ligne, std::size_t max)
{
    std::vector<std::string_view> cols;
    while (cols.size() + 1 < max) {
        const auto barre = ligne.find('|');
        if (barre == std::string_view::npos)
            break;
        cols.push_back(Rogne(ligne.substr(0, barre)));
        ligne.remove_prefix(barre + 1);
    }
    cols.push_back(Rogne(ligne));
    return cols;
}

// A keyword as compared: lower case, and the accented letters that French
// keywords hold reduced to their base letter ("Entrée", "ENTRÉE", "entree").
std::string MotCle(std::string_view s)
{
    std::string m;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\xC3' && i + 1 < s.size()) {
            const auto suite = static_cast<unsigned char>(s[i + 1]) & ~0x20u;  // either case
            if (suite == 0x89 || suite == 0x88 || suite == 0x8A) {  // é è ê
                m.push_back('e');
                ++i;
                continue;
            }
            if (suite == 0x80) {  // à
                m.push_back('a');
                ++i;
                continue;
            }
        }
        m.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return m;
}

std::optional<long> Entier(std::string_view s, long min, long max)
{
    long v = 0;
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc{} || fin != s.data() + s.size() || v < min || v > max)
        return std::nullopt;
    return v;
}

std::string Cite(std::string_view s)
{
    return "« " + std::string(s) + " »";
}

// A "key = value" line; the key is compared without regard to ASCII case.
bool CleValeur(std::string_view ligne, std::string& cle, std::string_view& valeur)
{
    const auto egal = ligne.find('=');
    if (egal == std::string_view::npos)
        return false;
    cle = MotCle(Rogne(ligne.substr(0, egal)));
    valeur = Rogne(ligne.substr(egal + 1));
    return true;
}

// Reads the source files one by one, reporting against "file:line".
class Lecteur {
public:
    Lecteur(std::string fichier, Diagnostics& diag) : fichier(std::move(fichier)), diag(diag) {}

    void Erreur(int ligne, const std::string& message) { diag.Erreur(fichier, ligne, message); }
    void Erreur(const std::string& message) { diag.Erreur(fichier, message); }

    // The text in the code page, refused when empty, unconvertible or longer
    // than `max` bytes once converted.
    std::optional<std::string> Texte(int ligne, const char* quoi, std::string_view utf8,
                                     std::size_t max)
    {
        if (utf8.empty()) {
            Erreur(ligne, std::string(quoi) + " vide");
            return std::nullopt;
        }
        std::string raison;
        auto texte = VersCp1252(utf8, raison);
        if (!texte) {
            Erreur(ligne, std::string(quoi) + " " + Cite(utf8) + " : " + raison);
            return std::nullopt;
        }
        if (texte->size() > max) {
            Erreur(ligne, std::string(quoi) + " " + Cite(utf8) + " trop long : "
                              + std::to_string(texte->size()) + " octets, au plus "
                              + std::to_string(max));
            return std::nullopt;
        }
        return texte;
    }

    const std::string fichier;

private:
    Diagnostics& diag;
};

// Characters that the equation and action texts give a meaning of their own:
// a label holding one could not be written in a receptivity or an action.
constexpr std::string_view INTERDITS_LABEL = " .+-=#<>{}|";

std::optional<std::string> Label(Lecteur& l, int ligne, std::string_view utf8)
{
    auto label = l.Texte(ligne, "label", utf8, MAX_LABEL);
    if (!label)
        return std::nullopt;
    const auto interdit = label->find_first_of(INTERDITS_LABEL);
    if (interdit != std::string::npos) {
        l.Erreur(ligne, "label " + Cite(utf8) + " : le caractère "
                            + Cite(label->substr(interdit, 1))
                            + " a un sens dans les équations et les actions");
        return std::nullopt;
    }
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    if (chiffre(label->front())) {
        l.Erreur(ligne, "label " + Cite(utf8) + " : un label ne commence pas par un chiffre");
        return std::nullopt;
    }
    // The step variables ("x" and the step number) and step timers ("t/x" and
    // the step number) are added ahead of the operative part at generation,
    // so they would capture such a label.
    if ((label->size() > 1 && (*label)[0] == 'x' && chiffre((*label)[1]))
        || (label->size() > 3 && label->starts_with("t/x") && chiffre((*label)[3]))) {
        l.Erreur(ligne, "label " + Cite(utf8)
                            + " réservé aux variables et temporisations d'étape");
        return std::nullopt;
    }
    return label;
}

std::optional<unsigned char> Nature(Lecteur& l, int ligne, std::string_view mot)
{
    static const std::map<std::string, unsigned char> natures = {
        {"logique", 0}, {"analogique", 1}, {"interne", 2}, {"chariot", 3},
        {"consigne", 5}, {"constante", 10},
    };
    const std::string m = MotCle(mot);
    if (const auto it = natures.find(m); it != natures.end())
        return it->second;
    if (m == "etape")
        l.Erreur(ligne, "nature " + Cite(mot)
                            + " : les variables d'étape sont créées à la génération");
    else
        l.Erreur(ligne, "nature " + Cite(mot)
                            + " inconnue (logique, analogique, interne, chariot, consigne ou constante)");
    return std::nullopt;
}

std::optional<unsigned char> Sens(Lecteur& l, int ligne, std::string_view mot)
{
    const std::string m = MotCle(mot);
    if (m == "entree")
        return 0;
    if (m == "sortie")
        return 1;
    l.Erreur(ligne, "sens " + Cite(mot) + " inconnu (entrée ou sortie)");
    return std::nullopt;
}

// One component line: label | nature | sens | indice | bit | catégorie | désignation.
std::optional<ComposantSource> LitComposant(Lecteur& l, const Ligne& ligne)
{
    const auto cols = Colonnes(ligne.texte, 7);
    if (cols.size() != 7) {
        l.Erreur(ligne.numero, "ligne de composant mal formée : 7 colonnes séparées par « | » "
                               "attendues (label | nature | sens | indice | bit | catégorie | "
                               "désignation), "
                                   + std::to_string(cols.size()) + " trouvée(s)");
        return std::nullopt;
    }
    const int n = ligne.numero;
    const auto label = Label(l, n, cols[0]);
    const auto nature = Nature(l, n, cols[1]);
    const auto sens = Sens(l, n, cols[2]);
    const auto indice = Entier(cols[3], 0, 255);
    if (!indice)
        l.Erreur(n, "indice " + Cite(cols[3]) + " : nombre entier de 0 à 255 attendu");
    std::optional<long> bit;
    const bool sansBit = cols[4] == "-";
    if (!sansBit) {
        bit = Entier(cols[4], 0, 7);
        if (!bit)
            l.Erreur(n, "bit " + Cite(cols[4]) + " : numéro de bit de 0 à 7 ou « - » attendu");
    }
    const auto categorie = Entier(cols[5], 0, 255);
    if (!categorie)
        l.Erreur(n, "catégorie " + Cite(cols[5]) + " : nombre entier de 0 à 255 attendu");
    const auto designation = l.Texte(n, "désignation", cols[6], MAX_DESIGNATION);
    if (!label || !nature || !sens || !indice || (!sansBit && !bit) || !categorie || !designation)
        return std::nullopt;

    bool correct = true;
    if (*nature == 0 && sansBit) {
        l.Erreur(n, "signal logique " + Cite(cols[0]) + " sans numéro de bit");
        correct = false;
    }
    if (*nature != 0 && *nature != 2 && !sansBit) {
        l.Erreur(n, "composant " + Cite(cols[0]) + " : seuls les signaux logiques et les "
                    "variables internes ont un bit, mettre « - »");
        correct = false;
    }
    if (*nature == 3 && *indice > 13) {
        l.Erreur(n, "action chariot " + Cite(cols[0]) + " : code de fonction "
                        + std::to_string(*indice) + " inconnu (0 à 13)");
        correct = false;
    }
    if ((*nature == 3 || *nature == 5 || *nature == 10) && *sens != 1) {
        l.Erreur(n, "composant " + Cite(cols[0]) + " : une action chariot, une consigne ou "
                    "une constante est une sortie");
        correct = false;
    }
    if (!correct)
        return std::nullopt;

    ComposantSource c{};
    c.ligne = n;
    c.rec.categorie = static_cast<unsigned char>(*categorie);
    c.rec.nature = *nature;
    c.rec.sens = *sens;
    c.rec.indice = static_cast<unsigned char>(*indice);
    c.rec.masque = sansBit ? 0 : static_cast<unsigned char>(1u << *bit);
    EcritChamp(c.rec.label, *label);
    EcritChamp(c.rec.designation, *designation);
    return c;
}

void LitCartes(const fs::path& chemin, Donnees& d, Diagnostics& diag)
{
    Lecteur l(chemin.string(), diag);
    d.fichierCartes = l.fichier;
    std::string contenu;
    if (!LitFichier(chemin, contenu)) {
        l.Erreur("lecture impossible");
        return;
    }
    bool editionVue = false;
    std::map<int, int> codes;
    std::map<std::string, int> noms;
    for (const Ligne& ligne : Lignes(contenu)) {
        std::string cle;
        std::string_view valeur;
        if (ligne.texte.find('|') == std::string_view::npos) {
            if (!CleValeur(ligne.texte, cle, valeur) || cle != "edition") {
                l.Erreur(ligne.numero, "ligne mal formée : « code | nom » ou "
                                       "« édition = autorisée/interdite » attendu");
                continue;
            }
            if (editionVue) {
                l.Erreur(ligne.numero, "édition déjà donnée");
                continue;
            }
            editionVue = true;
            const std::string v = MotCle(valeur);
            if (v == "autorisee")
                d.cartes.edition = 1;
            else if (v == "interdite")
                d.cartes.edition = 0;
            else
                l.Erreur(ligne.numero, "édition " + Cite(valeur)
                                           + " : « autorisée » ou « interdite » attendu");
            continue;
        }
        const auto cols = Colonnes(ligne.texte, 2);
        const auto code = Entier(cols[0], 0, 255);
        if (!code) {
            l.Erreur(ligne.numero, "code de carte " + Cite(cols[0])
                                       + " : nombre entier de 0 à 255 attendu");
            continue;
        }
        const auto nom = l.Texte(ligne.numero, "nom de carte", cols[1], MAX_NOM);
        if (!nom)
            continue;
        if (const auto [it, neuf] = codes.emplace(*code, ligne.numero); !neuf) {
            l.Erreur(ligne.numero, "code de carte " + std::to_string(*code)
                                       + " déjà donné ligne " + std::to_string(it->second));
            continue;
        }
        // The card dialog finds a card by the name shown in its list.
        if (const auto [it, neuf] = noms.emplace(*nom, ligne.numero); !neuf) {
            l.Erreur(ligne.numero, "nom de carte " + Cite(cols[1]) + " déjà donné ligne "
                                       + std::to_string(it->second));
            continue;
        }
        d.cartes.cartes.push_back({*nom, static_cast<unsigned char>(*code), ligne.numero});
    }
    if (!editionVue)
        l.Erreur("ligne « édition = autorisée » ou « édition = interdite » manquante");
    if (d.cartes.cartes.empty())
        l.Erreur("aucune carte");
    else if (d.cartes.cartes.size() > 32767)
        l.Erreur("plus de 32767 cartes");
}

std::optional<float> Reel(std::string_view s)
{
    std::string t(s);
    std::replace(t.begin(), t.end(), ',', '.');
    float v = 0;
    const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc{} || fin != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

void LitConstantes(const fs::path& chemin, Donnees& d, Diagnostics& diag)
{
    Lecteur l(chemin.string(), diag);
    d.fichierConstantes = l.fichier;
    std::string contenu;
    if (!LitFichier(chemin, contenu)) {
        l.Erreur("lecture impossible");
        return;
    }
    std::map<long, int> numeros;
    for (const Ligne& ligne : Lignes(contenu)) {
        const auto cols = Colonnes(ligne.texte, 3);
        if (cols.size() < 2) {
            l.Erreur(ligne.numero, "ligne mal formée : « numéro | valeur » attendu");
            continue;
        }
        const auto numero = Entier(cols[0], -32768, 32767);
        if (!numero)
            l.Erreur(ligne.numero, "numéro " + Cite(cols[0])
                                       + " : nombre entier de -32768 à 32767 attendu");
        const auto valeur = Reel(cols[1]);
        if (!valeur)
            l.Erreur(ligne.numero, "valeur " + Cite(cols[1]) + " : nombre réel attendu");
        if (!numero || !valeur)
            continue;
        if (const auto [it, neuf] = numeros.emplace(*numero, ligne.numero); !neuf) {
            l.Erreur(ligne.numero, "constante numéro " + std::to_string(*numero)
                                       + " déjà donnée ligne " + std::to_string(it->second));
            continue;
        }
        d.constantes.push_back({static_cast<short>(*numero), *valeur, ligne.numero});
    }
}

void LitPartie(const fs::path& chemin, Donnees& d, Diagnostics& diag)
{
    Lecteur l(chemin.string(), diag);
    std::string contenu;
    if (!LitFichier(chemin, contenu)) {
        l.Erreur("lecture impossible");
        return;
    }
    PartieSource p;
    p.fichier = l.fichier;
    bool carteVue = false, nomVu = false, protegeVu = false, valide = true;
    std::map<std::string, int> labels;
    int lignesComposants = 0;
    for (const Ligne& ligne : Lignes(contenu)) {
        std::string cle;
        std::string_view valeur;
        const bool entete = CleValeur(ligne.texte, cle, valeur)
                         && (cle == "carte" || cle == "nom" || cle == "protege");
        if (entete) {
            if (lignesComposants > 0) {
                l.Erreur(ligne.numero, "l'en-tête (carte, nom, protégé) précède les composants");
                valide = false;
                continue;
            }
            bool& vu = cle == "carte" ? carteVue : cle == "nom" ? nomVu : protegeVu;
            if (vu) {
                l.Erreur(ligne.numero, "ligne « " + std::string(Rogne(ligne.texte.substr(0, ligne.texte.find('=')))) + " = » déjà donnée");
                valide = false;
                continue;
            }
            vu = true;
            if (cle == "carte") {
                const auto code = Entier(valeur, 0, 255);
                p.ligneCarte = ligne.numero;
                if (code)
                    p.carte = static_cast<unsigned char>(*code);
                else
                    l.Erreur(ligne.numero, "carte " + Cite(valeur)
                                               + " : code de carte de 0 à 255 attendu");
                valide = valide && code;
            } else if (cle == "nom") {
                const auto nom = l.Texte(ligne.numero, "nom", valeur, MAX_NOM);
                if (nom)
                    p.nom = *nom;
                p.ligneNom = ligne.numero;
                valide = valide && nom;
            } else {
                const std::string v = MotCle(valeur);
                if (v == "oui")
                    p.protege = 1;
                else if (v == "non")
                    p.protege = 0;
                else {
                    l.Erreur(ligne.numero, "protégé " + Cite(valeur) + " : « oui » ou « non » attendu");
                    valide = false;
                }
            }
            continue;
        }
        if (!carteVue || !nomVu) {
            l.Erreur(ligne.numero, "composant avant l'en-tête : « carte = » et « nom = » "
                                   "viennent d'abord");
            valide = false;
            carteVue = nomVu = true;  // reported once
        }
        ++lignesComposants;
        auto c = LitComposant(l, ligne);
        if (!c) {
            valide = false;
            continue;
        }
        const std::string label = LitChamp(c->rec.label);
        if (const auto [it, neuf] = labels.emplace(label, ligne.numero); !neuf) {
            l.Erreur(ligne.numero, "label " + Cite(DepuisCp1252(label)) + " déjà utilisé ligne "
                                       + std::to_string(it->second));
            valide = false;
            continue;
        }
        p.composants.push_back(*c);
    }
    if (!carteVue)
        l.Erreur("ligne « carte = » manquante");
    if (!nomVu)
        l.Erreur("ligne « nom = » manquante");
    if (lignesComposants == 0)
        l.Erreur("aucun composant");
    if (p.composants.size() > 32767)
        l.Erreur("plus de 32767 composants");
    if (valide && carteVue && nomVu && lignesComposants > 0 && p.composants.size() <= 32767)
        d.parties.push_back(std::move(p));
}

} // namespace

Donnees LitSources(const fs::path& dossier, Diagnostics& diag)
{
    Donnees d;
    LitCartes(dossier / "cartes.txt", d, diag);
    LitConstantes(dossier / "constantes.txt", d, diag);

    const fs::path parties = dossier / "parties";
    std::error_code ec;
    std::vector<fs::path> fichiers;
    for (fs::directory_iterator it(parties, ec), fin; !ec && it != fin; it.increment(ec)) {
        // Files whose name starts with a dot are editors' leftovers.
        const std::string nom = it->path().filename().string();
        if (!nom.starts_with(".") && it->path().extension() == ".txt" && it->is_regular_file(ec))
            fichiers.push_back(it->path());
    }
    if (ec) {
        diag.Erreur(parties.string(), "dossier illisible");
        return d;
    }
    // Blocks follow the file names, byte for byte, whatever the locale.
    std::sort(fichiers.begin(), fichiers.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() < b.filename().string();
    });
    for (const fs::path& f : fichiers)
        LitPartie(f, d, diag);
    return d;
}
