#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Cp1252.h"
#include "GenereDonnees.h"

namespace fs = std::filesystem;

namespace {

using Octets = std::vector<unsigned char>;

// ---- Independent readers of the three data files -------------------------
// Written from the file layouts, not from the generator, and strict: every
// byte of a file must belong to a record.

Octets Lit(const fs::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), {});
}

int Mot(const Octets& o, std::size_t i)
{
    return static_cast<std::int16_t>(o.at(i) | (o.at(i + 1) << 8));
}

// A fixed text field: its text up to the NUL, which must be there, with only
// zero bytes after it.
std::string Champ(const Octets& o, std::size_t debut, std::size_t taille)
{
    std::string texte;
    std::size_t i = 0;
    while (i < taille && o.at(debut + i) != 0)
        texte.push_back(static_cast<char>(o.at(debut + i++)));
    EXPECT_LT(i, taille) << "field without its NUL at offset " << debut;
    for (; i < taille; ++i)
        EXPECT_EQ(o.at(debut + i), 0) << "non-zero byte after the NUL at offset " << debut + i;
    return texte;
}

struct Carte {
    std::string nom;
    int code;
};

struct ListeCartes {
    std::vector<Carte> cartes;
    int edition = -1;
};

ListeCartes LitListeCartes(const fs::path& chemin)
{
    const Octets o = Lit(chemin);
    ListeCartes l;
    if (o.size() < 3) {
        ADD_FAILURE() << "card list too short: " << o.size();
        return l;
    }
    const int n = Mot(o, 0);
    EXPECT_EQ(o.size(), 2u + 23u * static_cast<unsigned>(n) + 1u) << "card records are 23 bytes";
    if (o.size() != 2u + 23u * static_cast<unsigned>(n) + 1u)
        return l;
    for (int i = 0; i < n; ++i) {
        const std::size_t r = 2 + 23 * static_cast<std::size_t>(i);
        l.cartes.push_back({Champ(o, r, 20), o[r + 20]});
        EXPECT_EQ(o[r + 21], 0);
        EXPECT_EQ(o[r + 22], 0);
    }
    l.edition = o.back();
    return l;
}

struct Rec {
    int categorie, nature, sens, indice, masque;
    std::string label, designation;
};

struct Bloc {
    int carte;
    int protege;
    std::string nom;
    std::vector<Rec> recs;
};

std::vector<Bloc> LitParties(const fs::path& chemin)
{
    const Octets o = Lit(chemin);
    std::vector<Bloc> blocs;
    if (o.size() < 2) {
        ADD_FAILURE() << "operative-part file too short";
        return blocs;
    }
    const int n = Mot(o, 0);
    std::size_t i = 2;
    for (int b = 0; b < n; ++b) {
        if (i + 24 > o.size()) {
            ADD_FAILURE() << "block " << b << " cut short";
            return blocs;
        }
        Bloc bloc{o[i], o[i + 1], Champ(o, i + 2, 20), {}};
        const int nr = Mot(o, i + 22);
        i += 24;
        if (i + 72 * static_cast<std::size_t>(nr) > o.size()) {
            ADD_FAILURE() << "records of block " << b << " cut short";
            return blocs;
        }
        for (int r = 0; r < nr; ++r, i += 72)
            bloc.recs.push_back({o[i], o[i + 1], o[i + 2], o[i + 3], o[i + 4],
                                 Champ(o, i + 5, 16), Champ(o, i + 21, 51)});
        blocs.push_back(bloc);
    }
    EXPECT_EQ(i, o.size()) << "bytes left after the last block";
    return blocs;
}

struct Cst {
    int numero;
    float valeur;
};

std::vector<Cst> LitConstantes(const fs::path& chemin)
{
    const Octets o = Lit(chemin);
    EXPECT_EQ(o.size() % 6, 0u) << "constant records are 6 bytes";
    std::vector<Cst> cs;
    for (std::size_t i = 0; i + 6 <= o.size(); i += 6) {
        const std::uint32_t bits = o[i + 2] | o[i + 3] << 8 | o[i + 4] << 16
                                 | static_cast<std::uint32_t>(o[i + 5]) << 24;
        float f;
        std::memcpy(&f, &bits, sizeof f);
        cs.push_back({Mot(o, i), f});
    }
    return cs;
}

// ---- A sources directory written by the test -------------------------------

class Dossier {
public:
    Dossier()
    {
        std::string modele = (fs::temp_directory_path() / "veldra-gendata-XXXXXX").string();
        if (mkdtemp(modele.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        racine = modele;
        fs::create_directories(racine / "sources" / "parties");
    }
    ~Dossier()
    {
        std::error_code ec;
        fs::remove_all(racine, ec);
    }
    void Ecrit(const std::string& nom, const std::string& contenu) const
    {
        std::ofstream(sources() / nom, std::ios::binary) << contenu;
    }
    fs::path sources() const { return racine / "sources"; }
    fs::path sortie() const { return racine / "sortie"; }

    bool Genere(std::vector<std::string>& erreurs) const
    {
        return GenereDonnees(sources(), sortie(), erreurs);
    }

    fs::path racine;
};

std::string Repete(const std::string& s, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

// Valid sources that every refusal case breaks in one place only.
const std::string CARTES = "# cartes\n"
                           "édition = interdite\n"
                           "0 | Simulation\n"
                           "2 | ORBAN\n"
                           "5 | Tolb\n";
const std::string CONSTANTES = "3 | 182,5 | decimal comma\n"
                               "-2 | -0.25\n";
// A 15-byte label and a 19-byte name that are longer in UTF-8, and a
// designation of exactly 50 bytes once converted.
const std::string LABEL_15 = "élévateur_haut1";
const std::string NOM_19 = "Démonstration à 190";
const std::string DESIGNATION_50 = Repete("é", 50);
const std::string PARTIE_A = "carte = 0\r\n"
                             "nom = " + NOM_19 + "\r\n"
                             "PROTÉGÉ = Non\r\n"
                             "\r\n"
                             "  # a comment\r\n" +
                             LABEL_15 + " | logique | sortie | 0 | 7 | 11 | " + DESIGNATION_50 + "\r\n"
                             "dcy | LOGIQUE | Entree | 1 | 0 | 0 | Départ cycle | œuvre € 10 ’ …\r\n"
                             "t/x | interne | ENTRÉE | 0 | - | 0 | Temporisation °\r\n";
const std::string PARTIE_B = "\xEF\xBB\xBF"
                             "carte = 5\n"
                             "nom = Axe\n"
                             "RECUL | chariot | sortie | 6 | - | 5 | Recul relatif\n"
                             "Pos | constante | sortie | 3 | - | 0 | Position du poste\n"
                             "CONS | consigne | sortie | 0 | - | 0 | Consigne\n";

void EcritSourcesValides(const Dossier& d)
{
    d.Ecrit("cartes.txt", CARTES);
    d.Ecrit("constantes.txt", CONSTANTES);
    d.Ecrit("parties/b.txt", PARTIE_B);
    d.Ecrit("parties/a.txt", PARTIE_A);
    d.Ecrit("parties/.#a.txt", "left by an editor");
}

std::string Joint(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& e : v)
        s += e + "\n";
    return s;
}

std::string Cp(std::initializer_list<int> octets)
{
    std::string s;
    for (int o : octets)
        s.push_back(static_cast<char>(o));
    return s;
}

// ---- Conversion -------------------------------------------------------------

TEST(Conversion, Utf8VersWindows1252)
{
    const struct {
        const char* utf8;
        std::string attendu;
    } cas[] = {
        {"abc /x", "abc /x"},
        {"é", Cp({0xE9})},
        {"àâçèêëîïôùûüÿ", Cp({0xE0, 0xE2, 0xE7, 0xE8, 0xEA, 0xEB, 0xEE, 0xEF, 0xF4, 0xF9, 0xFB,
                              0xFC, 0xFF})},
        {"ÉÀÇ°", Cp({0xC9, 0xC0, 0xC7, 0xB0})},
        {"€", Cp({0x80})},
        {"œŒ", Cp({0x9C, 0x8C})},
        {"’“”", Cp({0x92, 0x93, 0x94})},
        {"…–—", Cp({0x85, 0x96, 0x97})},
        {"\xC2\xA0", Cp({0xA0})},
    };
    for (const auto& c : cas) {
        std::string raison;
        const auto r = VersCp1252(c.utf8, raison);
        ASSERT_TRUE(r) << c.utf8 << ": " << raison;
        EXPECT_EQ(*r, c.attendu) << c.utf8;
    }
}

TEST(Conversion, RefusCaracteresSansOctetOuReserves)
{
    const char* refuses[] = {
        "→",             // no byte in the code page
        "日本",          // no byte in the code page
        "\xC2\xAD",      // U+00AD: its byte is the rising-edge code
        "®",             // U+00AE: falling edge
        "¯",             // U+00AF: negation
        "a\tb",          // control character
        "\xC2\x85",      // C1 control
        "\xC3",          // truncated sequence
        "\xC0\xAF",      // overlong form
        "\xED\xA0\x80",  // surrogate
        "\xE2\x82",      // truncated inside a three-byte sequence
        "\xFF",          // never valid
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
    };
    for (const char* texte : refuses) {
        std::string raison;
        EXPECT_FALSE(VersCp1252(texte, raison)) << texte;
        EXPECT_FALSE(raison.empty());
    }
}

// ---- Generation ---------------------------------------------------------------

TEST(Generation, FichiersRelusOctetParOctet)
{
    Dossier d;
    EcritSourcesValides(d);
    std::vector<std::string> erreurs;
    ASSERT_TRUE(d.Genere(erreurs)) << Joint(erreurs);

    // Card list: three 23-byte records in file order, then the editing flag.
    const Octets cartes = Lit(d.sortie() / "LISTE.CAR");
    Octets attendu = {3, 0};
    for (const auto& [nom, code] : {std::pair<std::string, int>{"Simulation", 0}, {"ORBAN", 2},
                                    {"Tolb", 5}}) {
        Octets rec(23, 0);
        std::copy(nom.begin(), nom.end(), rec.begin());
        rec[20] = static_cast<unsigned char>(code);
        attendu.insert(attendu.end(), rec.begin(), rec.end());
    }
    attendu.push_back(0);  // "édition = interdite"
    EXPECT_EQ(cartes, attendu);

    // Operative parts: blocks in the order of the file names (a.txt, b.txt),
    // records in the order of each source.
    const auto blocs = LitParties(d.sortie() / "p_opera.lst");
    ASSERT_EQ(blocs.size(), 2u);
    EXPECT_EQ(blocs[0].carte, 0);
    EXPECT_EQ(blocs[0].protege, 0);
    EXPECT_EQ(blocs[0].nom, "D" + Cp({0xE9}) + "monstration " + Cp({0xE0}) + " 190");
    ASSERT_EQ(blocs[0].recs.size(), 3u);
    const Rec& r0 = blocs[0].recs[0];
    EXPECT_EQ(r0.label, Cp({0xE9}) + "l" + Cp({0xE9}) + "vateur_haut1");
    EXPECT_EQ(r0.label.size(), 15u);
    EXPECT_EQ(r0.designation, std::string(50, '\xE9'));
    EXPECT_EQ((std::vector<int>{r0.categorie, r0.nature, r0.sens, r0.indice, r0.masque}),
              (std::vector<int>{11, 0, 1, 0, 0x80}));
    const Rec& r1 = blocs[0].recs[1];
    EXPECT_EQ(r1.label, "dcy");
    EXPECT_EQ((std::vector<int>{r1.categorie, r1.nature, r1.sens, r1.indice, r1.masque}),
              (std::vector<int>{0, 0, 0, 1, 1}));
    // The last column takes the rest of the line, "|" included.
    EXPECT_EQ(r1.designation, "D" + Cp({0xE9}) + "part cycle | " + Cp({0x9C}) + "uvre "
                                  + Cp({0x80}) + " 10 " + Cp({0x92, 0x20, 0x85}));
    const Rec& r2 = blocs[0].recs[2];
    EXPECT_EQ(r2.label, "t/x");
    EXPECT_EQ(r2.designation, "Temporisation " + Cp({0xB0}));
    EXPECT_EQ((std::vector<int>{r2.nature, r2.sens, r2.masque}), (std::vector<int>{2, 0, 0}));

    EXPECT_EQ(blocs[1].carte, 5);
    EXPECT_EQ(blocs[1].protege, 1) << "read-only unless said otherwise";
    EXPECT_EQ(blocs[1].nom, "Axe");
    ASSERT_EQ(blocs[1].recs.size(), 3u);
    EXPECT_EQ(blocs[1].recs[0].label, "RECUL");
    EXPECT_EQ((std::vector<int>{blocs[1].recs[0].categorie, blocs[1].recs[0].nature,
                                blocs[1].recs[0].sens, blocs[1].recs[0].indice}),
              (std::vector<int>{5, 3, 1, 6}));
    EXPECT_EQ(blocs[1].recs[1].nature, 10);
    EXPECT_EQ(blocs[1].recs[1].indice, 3);
    EXPECT_EQ(blocs[1].recs[2].nature, 5);

    // Constants: 6 bytes each, little-endian, in source order.
    const Octets k = Lit(d.sortie() / "ombrix.ctt");
    EXPECT_EQ(k, (Octets{0x03, 0x00, 0x00, 0x80, 0x36, 0x43,     // 3, 182.5
                         0xFE, 0xFF, 0x00, 0x00, 0x80, 0xBE}));  // -2, -0.25
}

TEST(Generation, RegenerationRemplaceSansLaisserDeFichierTemporaire)
{
    Dossier d;
    EcritSourcesValides(d);
    std::vector<std::string> erreurs;
    ASSERT_TRUE(d.Genere(erreurs)) << Joint(erreurs);
    d.Ecrit("constantes.txt", "3 | 1.5\n");
    ASSERT_TRUE(d.Genere(erreurs)) << Joint(erreurs);
    EXPECT_EQ(Lit(d.sortie() / "ombrix.ctt"), (Octets{3, 0, 0x00, 0x00, 0xC0, 0x3F}));
    std::set<std::string> noms;
    for (const auto& e : fs::directory_iterator(d.sortie()))
        noms.insert(e.path().filename().string());
    EXPECT_EQ(noms, (std::set<std::string>{"LISTE.CAR", "ombrix.ctt", "p_opera.lst"}));
}

// Each case breaks the valid sources in one place; the refusal must name the
// file and line and leave the output directory untouched.
struct Refus {
    const char* quoi;
    const char* fichier;     // file written over the valid sources
    std::string contenu;
    std::string attendu;     // "file:line:" then a word of the message
    std::string mot;
};

void PrintTo(const Refus& r, std::ostream* os)
{
    *os << r.quoi;
}

const std::string ENTETE = "carte = 0\nnom = P\n";  // lines 1 and 2

class Refuse : public ::testing::TestWithParam<Refus> {};

TEST_P(Refuse, NommeLaLigneEtNEcritRien)
{
    const Refus& r = GetParam();
    Dossier d;
    EcritSourcesValides(d);
    d.Ecrit(r.fichier, r.contenu);
    std::vector<std::string> erreurs;
    EXPECT_FALSE(d.Genere(erreurs));
    const std::string tout = Joint(erreurs);
    const auto trouve = std::find_if(erreurs.begin(), erreurs.end(), [&](const std::string& e) {
        return e.find(r.attendu) != std::string::npos && e.find(r.mot) != std::string::npos;
    });
    EXPECT_NE(trouve, erreurs.end()) << "expected " << r.attendu << " ... " << r.mot
                                     << ", got:\n" << tout;
    EXPECT_FALSE(fs::exists(d.sortie())) << "nothing is written when a source is refused";
}

const std::string L16 = "abcdefghijklmnop";

INSTANTIATE_TEST_SUITE_P(
    Sources, Refuse,
    ::testing::Values(
        // Texts: code page and field lengths, counted in converted bytes.
        Refus{"designation_hors_page", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | 0 | Flèche →\n", "p.txt:3:", "U+2192"},
        Refus{"label_reserve_front", "parties/p.txt",
              ENTETE + "a\xC2\xAD | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:", "U+00AD"},
        Refus{"utf8_invalide", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | 0 | caf\xE9\n", "p.txt:3:", "UTF-8"},
        Refus{"label_16_octets", "parties/p.txt",
              ENTETE + L16 + " | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:", "16 octets"},
        Refus{"label_16_octets_accentues", "parties/p.txt",
              ENTETE + Repete("é", 16) + " | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:",
              "16 octets"},
        Refus{"designation_51_octets", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | 0 | " + Repete("é", 51) + "\n",
              "p.txt:3:", "51 octets"},
        Refus{"designation_vide", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | 0 |\n", "p.txt:3:", "vide"},
        Refus{"nom_20_octets", "parties/p.txt",
              "carte = 0\nnom = " + Repete("é", 20) + "\na0 | logique | entrée | 0 | 0 | 0 | x\n",
              "p.txt:2:", "20 octets"},
        Refus{"nom_de_carte_20_octets", "cartes.txt",
              CARTES + "7 | " + std::string(20, 'C') + "\n", "cartes.txt:6:", "20 octets"},
        // Labels that equations and actions could not name.
        Refus{"label_double", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | 0 | x\n"
                       "a0 | logique | entrée | 0 | 1 | 0 | y\n",
              "p.txt:4:", "ligne 3"},
        Refus{"label_avec_operateur", "parties/p.txt",
              ENTETE + "fc.av | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:", "« . »"},
        Refus{"label_commence_par_un_chiffre", "parties/p.txt",
              ENTETE + "1a | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:", "chiffre"},
        Refus{"label_de_variable_d_etape", "parties/p.txt",
              ENTETE + "x12 | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:", "étape"},
        Refus{"label_de_temporisation_d_etape", "parties/p.txt",
              ENTETE + "t/x3 | interne | entrée | 0 | - | 0 | x\n", "p.txt:3:", "étape"},
        // Malformed lines.
        Refus{"colonnes_manquantes", "parties/p.txt",
              ENTETE + "\n# c\na0 | logique | entrée | 0 | 0\n", "p.txt:5:", "7 colonnes"},
        Refus{"nature_inconnue", "parties/p.txt",
              ENTETE + "a0 | binaire | entrée | 0 | 0 | 0 | x\n", "p.txt:3:", "binaire"},
        Refus{"sens_inconnu", "parties/p.txt",
              ENTETE + "a0 | logique | dedans | 0 | 0 | 0 | x\n", "p.txt:3:", "dedans"},
        Refus{"indice_256", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 256 | 0 | 0 | x\n", "p.txt:3:", "indice"},
        Refus{"indice_pas_un_nombre", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0x1 | 0 | 0 | x\n", "p.txt:3:", "indice"},
        Refus{"bit_8", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 8 | 0 | x\n", "p.txt:3:", "bit"},
        Refus{"categorie_negative", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | -1 | x\n", "p.txt:3:", "catégorie"},
        Refus{"logique_sans_bit", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | - | 0 | x\n", "p.txt:3:", "sans numéro de bit"},
        Refus{"analogique_avec_bit", "parties/p.txt",
              ENTETE + "v | analogique | entrée | 4 | 2 | 5 | x\n", "p.txt:3:", "bit"},
        Refus{"code_chariot_14", "parties/p.txt",
              ENTETE + "POS | chariot | sortie | 14 | - | 0 | x\n", "p.txt:3:", "14"},
        Refus{"constante_en_entree", "parties/p.txt",
              ENTETE + "Pos | constante | entrée | 3 | - | 0 | x\n", "p.txt:3:", "sortie"},
        Refus{"etape_dans_les_sources", "parties/p.txt",
              ENTETE + "x | étape | entrée | 0 | - | 0 | x\n", "p.txt:3:", "génération"},
        Refus{"composant_avant_l_entete", "parties/p.txt",
              "carte = 0\na0 | logique | entrée | 0 | 0 | 0 | x\nnom = P\n", "p.txt:2:",
              "en-tête"},
        Refus{"nom_manquant", "parties/p.txt",
              "carte = 0\n", "p.txt: ", "nom ="},
        Refus{"partie_sans_composant", "parties/p.txt", ENTETE, "p.txt: ", "aucun composant"},
        Refus{"protege_inconnu", "parties/p.txt",
              ENTETE + "protégé = peut-être\na0 | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:3:",
              "oui"},
        Refus{"carte_en_double", "cartes.txt", CARTES + "5 | Autre\n", "cartes.txt:6:",
              "ligne 5"},
        Refus{"nom_de_carte_en_double", "cartes.txt", CARTES + "9 | ORBAN\n", "cartes.txt:6:",
              "ligne 4"},
        Refus{"edition_manquante", "cartes.txt", "0 | Simulation\n2 | ORBAN\n5 | Tolb\n",
              "cartes.txt: ", "édition"},
        Refus{"ligne_de_cartes_mal_formee", "cartes.txt", CARTES + "Raskel 16\n",
              "cartes.txt:6:", "mal formée"},
        Refus{"valeur_de_constante", "constantes.txt", "3 | 1.5.2\n", "constantes.txt:1:",
              "valeur"},
        Refus{"constante_infinie", "constantes.txt", "3 | 1e39\n", "constantes.txt:1:", "valeur"},
        Refus{"numero_de_constante_en_double", "constantes.txt", "3 | 1\n-2 | 0\n3 | 2\n",
              "constantes.txt:3:", "ligne 1"},
        // Checks across lines and files.
        Refus{"carte_absente_de_la_liste", "parties/p.txt",
              "carte = 16\nnom = P\na0 | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:1:",
              "carte 16"},
        Refus{"partie_definie_deux_fois", "parties/p.txt",
              "carte = 5\nnom = Axe\na0 | logique | entrée | 0 | 0 | 0 | x\n", "p.txt:2:",
              "b.txt"},
        Refus{"deux_signaux_sur_un_bit", "parties/p.txt",
              ENTETE + "a0 | logique | entrée | 0 | 0 | 0 | x\nA0 | logique | sortie | 0 | 0 | 0 | y\n",
              "p.txt:4:", "même bit"},
        Refus{"port_orban_entrees_et_sorties", "parties/p.txt",
              "carte = 2\nnom = P\nC3 | logique | sortie | 2 | 3 | 11 | x\n"
              "C4 | logique | sortie | 2 | 4 | 11 | y\nc0 | logique | entrée | 2 | 0 | 11 | z\n",
              "p.txt:5:", "port C (bits 0 à 3)"},
        Refus{"port_hors_de_la_carte_orban", "parties/p.txt",
              "carte = 2\nnom = P\na30 | logique | entrée | 3 | 0 | 11 | x\n", "p.txt:3:",
              "hors des ports"},
        Refus{"constante_nommee_sans_valeur", "parties/p.txt",
              "carte = 5\nnom = P\nPos | constante | sortie | 4 | - | 0 | x\n", "p.txt:3:",
              "numéro 4"},
        Refus{"bit_de_port_capte_par_le_modele_Bxx", "parties/p.txt",
              ENTETE + "b0 | logique | entrée | 0 | 0 | 0 | x\nBxx | interne | entrée | 0 | - | 0 | y\n",
              "p.txt:3:", "« Bxx » (ligne 4)"},
        Refus{"sortie_captee_par_une_action_chariot", "parties/p.txt",
              "carte = 5\nnom = P\nAV | logique | sortie | 1 | 0 | 0 | x\n"
              "AVA | chariot | sortie | 5 | - | 0 | y\n",
              "p.txt:3:", "« AVA » (ligne 4)"},
        Refus{"label_capte_par_un_label_plus_court", "parties/p.txt",
              ENTETE + "e10 | logique | entrée | 0 | 0 | 0 | x\ne1 | logique | entrée | 0 | 1 | 0 | y\n",
              "p.txt:3:", "« e1 » (ligne 4)"}),
    [](const ::testing::TestParamInfo<Refus>& info) { return std::string(info.param.quoi); });

TEST(Generation, RefusLaisseLesFichiersPrecedentsIntacts)
{
    Dossier d;
    EcritSourcesValides(d);
    std::vector<std::string> erreurs;
    ASSERT_TRUE(d.Genere(erreurs)) << Joint(erreurs);
    const Octets avant = Lit(d.sortie() / "p_opera.lst");
    d.Ecrit("parties/b.txt", "carte = 5\nnom = Axe\nX | logique | entrée | 0 | 9 | 0 | x\n");
    EXPECT_FALSE(d.Genere(erreurs));
    EXPECT_EQ(Lit(d.sortie() / "p_opera.lst"), avant);
}

TEST(Generation, DossierDeSortieImpossibleEstUnEchec)
{
    Dossier d;
    EcritSourcesValides(d);
    std::ofstream(d.racine / "fichier") << "x";
    std::vector<std::string> erreurs;
    EXPECT_FALSE(GenereDonnees(d.sources(), d.racine / "fichier", erreurs));
    EXPECT_FALSE(GenereDonnees(d.sources(), d.racine / "fichier" / "sous", erreurs));
    EXPECT_FALSE(erreurs.empty());
}

// The program as the build runs it: exit status and messages.
int Lance(const std::string& arguments, std::string& sortieErreur, const fs::path& journal)
{
    const std::string commande = std::string(VELDRA_GENDATA) + " " + arguments + " 2>'"
                               + journal.string() + "'";
    const int statut = std::system(commande.c_str());
    std::ifstream f(journal);
    std::stringstream s;
    s << f.rdbuf();
    sortieErreur = s.str();
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

TEST(Programme, CodeDeSortieEtMessages)
{
    Dossier d;
    EcritSourcesValides(d);
    const fs::path journal = d.racine / "stderr.txt";
    const std::string src = "'" + d.sources().string() + "'";
    const std::string out = "'" + d.sortie().string() + "'";
    std::string messages;

    EXPECT_EQ(Lance(src + " " + out, messages, journal), 0) << messages;
    EXPECT_TRUE(fs::exists(d.sortie() / "p_opera.lst"));

    d.Ecrit("parties/a.txt", ENTETE + "a0 | logique | entrée | 0 | 0 | 0 | →\n");
    EXPECT_EQ(Lance(src + " '" + (d.racine / "autre").string() + "'", messages, journal), 1);
    EXPECT_NE(messages.find("a.txt:3:"), std::string::npos) << messages;
    EXPECT_FALSE(fs::exists(d.racine / "autre"));

    EXPECT_NE(Lance(src, messages, journal), 0) << "one argument is a usage error";
    EXPECT_NE(Lance("'" + (d.racine / "absent").string() + "' " + out, messages, journal), 0);
    EXPECT_NE(messages.find("cartes.txt"), std::string::npos) << messages;
}

// ---- The data directory of this build -----------------------------------------

const fs::path DONNEES = VELDRA_DONNEES_DIR;

const Bloc* Partie(const std::vector<Bloc>& blocs, int carte, const std::string& nom)
{
    for (const Bloc& b : blocs)
        if (b.carte == carte && b.nom == nom)
            return &b;
    return nullptr;
}

const Rec* Composant(const Bloc& b, const std::string& label)
{
    for (const Rec& r : b.recs)
        if (r.label == label)
            return &r;
    return nullptr;
}

std::vector<int> Champs(const Rec& r)
{
    return {r.categorie, r.nature, r.sens, r.indice, r.masque};
}

TEST(DossierDeDonnees, ListeDesCartes)
{
    const ListeCartes l = LitListeCartes(DONNEES / "LISTE.CAR");
    std::vector<std::pair<int, std::string>> cartes;
    for (const Carte& c : l.cartes)
        cartes.emplace_back(c.code, c.nom);
    EXPECT_EQ(cartes, (std::vector<std::pair<int, std::string>>{
                          {0, "Simulation"}, {1, "KR40"}, {2, "ORBAN"}, {3, "PUX"}, {5, "Tolb"},
                          {6, "EPP"}, {7, "COM"}, {16, "Raskel"}}));
    EXPECT_EQ(l.edition, 1);
}

TEST(DossierDeDonnees, PartiesOperativesDUsine)
{
    const auto blocs = LitParties(DONNEES / "p_opera.lst");
    const ListeCartes l = LitListeCartes(DONNEES / "LISTE.CAR");
    std::set<int> codes;
    for (const Carte& c : l.cartes)
        codes.insert(c.code);
    std::set<std::pair<int, std::string>> vus;
    for (const Bloc& b : blocs) {
        SCOPED_TRACE(b.nom);
        EXPECT_EQ(b.protege, 1) << "factory parts are read-only";
        EXPECT_TRUE(codes.contains(b.carte));
        EXPECT_TRUE(vus.insert({b.carte, b.nom}).second) << "part defined twice";
        std::set<std::string> labels;
        for (const Rec& r : b.recs) {
            EXPECT_TRUE(labels.insert(r.label).second) << r.label;
            EXPECT_FALSE(r.designation.empty()) << r.label;
            // Inputs are named in lower case, outputs in upper case.
            if (r.nature == 0) {
                EXPECT_EQ(std::islower(static_cast<unsigned char>(r.label[0])) != 0, r.sens == 0)
                    << r.label;
            }
        }
    }

    // The generic simulation part, laid out as the simulation dialog does.
    const Bloc* simu = Partie(blocs, 0, "Simulation");
    ASSERT_TRUE(simu);
    for (int i = 0; i < 24; ++i) {
        const std::string label = i < 8 ? "S" + std::to_string(i + 1) : "e" + std::to_string(i - 7);
        const Rec* r = Composant(*simu, label);
        ASSERT_TRUE(r) << label;
        EXPECT_EQ(Champs(*r), (std::vector<int>{0, 0, i < 8 ? 1 : 0, i / 8, 1 << (i % 8)}))
            << label;
    }
    for (const Bloc* b : {simu, Partie(blocs, 5, "Axe de transfert"),
                          Partie(blocs, 1, "Cuve de chauffage")}) {
        ASSERT_TRUE(b);
        for (const auto& [label, sens] :
             {std::pair<std::string, int>{"t/x", 0}, {"Mxx", 1}, {"Bxx", 0}, {"Wxx", 1}}) {
            const Rec* r = Composant(*b, label);
            ASSERT_TRUE(r) << b->nom << " " << label;
            EXPECT_EQ(Champs(*r), (std::vector<int>{0, 2, sens, 0, 0})) << b->nom << " " << label;
        }
    }
    const Bloc* chariot = Partie(blocs, 0, "Chariot");
    ASSERT_TRUE(chariot);
    for (const char* label : {"dcy", "a0", "a1", "AVANCE", "RECULE"})
        EXPECT_TRUE(Composant(*chariot, label)) << "the example chart uses " << label;
    EXPECT_TRUE(Partie(blocs, 0, "Perceuse"));

    // ORBAN: the analog pair of the ORBAN dialog, and the QT70 board.
    int orban = 0;
    for (const Bloc& b : blocs) {
        if (b.carte != 2)
            continue;
        ++orban;
        SCOPED_TRACE(b.nom);
        const Rec* V = Composant(b, "V");
        const Rec* v = Composant(b, "v");
        ASSERT_TRUE(V && v);
        EXPECT_EQ(Champs(*V), (std::vector<int>{4, 1, 1, 3, 0}));
        EXPECT_EQ(Champs(*v), (std::vector<int>{5, 1, 0, 4, 0}));
        int bits = 0;
        for (const Rec& r : b.recs)
            bits += r.nature == 0;
        EXPECT_EQ(bits, 24);
    }
    EXPECT_GE(orban, 2);
    EXPECT_TRUE(Partie(blocs, 2, "QT70"));

    // PUX: 48 port bits named letter, chip, bit, as the PUX dialog names them.
    int pux = 0;
    for (const Bloc& b : blocs) {
        if (b.carte != 3)
            continue;
        ++pux;
        SCOPED_TRACE(b.nom);
        std::set<std::pair<int, int>> bits;
        for (const Rec& r : b.recs) {
            if (r.nature != 0)
                continue;
            bits.insert({r.indice, r.masque});
            const char lettre = "ABCABC"[r.indice];
            const int puce = r.indice / 3 + 1;
            int bit = 0;
            while ((1 << bit) != r.masque)
                ++bit;
            std::string attendu{static_cast<char>(r.sens ? lettre : std::tolower(lettre))};
            attendu += std::to_string(puce) + std::to_string(bit);
            EXPECT_EQ(r.label, attendu);
            EXPECT_EQ(r.categorie, puce == 1 ? 8 : 7) << r.label;
        }
        EXPECT_EQ(bits.size(), 48u);
    }
    EXPECT_GE(pux, 1);

    // Tolb: every carriage function once, a set-point, named constants that
    // all have a value in the constants file.
    const auto constantes = LitConstantes(DONNEES / "ombrix.ctt");
    EXPECT_FALSE(constantes.empty());
    const Bloc* tolb = Partie(blocs, 5, "Axe de transfert");
    ASSERT_TRUE(tolb);
    std::multiset<int> codes_chariot;
    int consignes = 0, nommees = 0;
    for (const Rec& r : tolb->recs) {
        if (r.nature == 3)
            codes_chariot.insert(r.indice);
        consignes += r.nature == 5 && r.sens == 1;
        if (r.nature == 10) {
            ++nommees;
            EXPECT_EQ(std::count_if(constantes.begin(), constantes.end(),
                                    [&](const Cst& c) { return c.numero == r.indice; }),
                      1)
                << r.label;
        }
    }
    std::multiset<int> tous;
    for (int c = 0; c <= 13; ++c)
        tous.insert(c);
    EXPECT_EQ(codes_chariot, tous);
    EXPECT_GE(consignes, 1);
    EXPECT_GE(nommees, 1);

    // KR40: the 16-bit analog input channel and the word output channel.
    const Bloc* kr40 = Partie(blocs, 1, "Cuve de chauffage");
    ASSERT_TRUE(kr40);
    bool voie24 = false, voie7 = false;
    for (const Rec& r : kr40->recs) {
        voie24 = voie24 || (r.nature == 1 && r.sens == 0 && r.indice == 24);
        voie7 = voie7 || (r.nature == 1 && r.sens == 1 && r.indice == 7);
    }
    EXPECT_TRUE(voie24 && voie7);

    EXPECT_TRUE(fs::exists(DONNEES / "examples" / "aller-retour.gra"));
}

} // namespace
