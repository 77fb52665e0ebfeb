#pragma once

#include <string>
#include <utility>
#include <vector>

// The settings store shared by the library and the editor: one INI-style
// file whose sections are named after the registry keys of the product
// (for example "SOFTWARE\NORIM\VELDRA\CIBLE") and whose entries are named
// after the registry values ("CARTE", "P_OPERA", "PATH" ...). Section and
// entry names are compared without regard to case, as registry names are.
//
// Its location is the file named by the environment variable
// VELDRA_SETTINGS when it is set, else "veldra/veldra.ini" in the user's
// XDG configuration directory.
class Reglages {
public:
    static constexpr const char* CLE_VELDRA = "SOFTWARE\\NORIM\\VELDRA";
    static constexpr const char* CLE_CIBLE = "SOFTWARE\\NORIM\\VELDRA\\CIBLE";

    // Loads the store at `chemin`; a missing or unreadable file is an empty store.
    explicit Reglages(std::string chemin = CheminParDefaut());

    static std::string CheminParDefaut();

    // The value, or false when the key or the value is missing.
    bool Lit(const std::string& cle, const std::string& valeur, std::string& out) const;
    std::string Lit(const std::string& cle, const std::string& valeur,
                    const std::string& defaut) const;
    void Ecrit(const std::string& cle, const std::string& valeur, const std::string& donnee);

    // Writes the store back (atomically, creating its directory). False, with
    // the reason in French, when it cannot be written.
    bool Sauve(std::string* erreur = nullptr) const;

    const std::string& Chemin() const { return chemin; }

    // ---- the values the library and the editor share ----

    // The data directory ("PATH"), always ending with "/"; the bundled data
    // directory when the value is missing or empty.
    std::string RepertoireDonnees() const;
    // The selected card ("CARTE"), 0 when missing or unreadable.
    char Carte() const;
    // The selected operative part ("P_OPERA"), empty when missing.
    std::string NomPop() const;

    // The data directory built with the program.
    static std::string DonneesFournies();

    // On the editor's first start, when no data directory is set: a data
    // directory of the user's own is made and seeded with the bundled card
    // list, operative parts and constants, and "PATH" names it, so that the
    // operative parts the user adds never go into the program's files. It
    // lies beside the settings file when VELDRA_SETTINGS names one, else in
    // the user's XDG data directory. Files already there are kept. False,
    // with the reason, when it could not be made (the bundled directory is
    // then used); true when there was nothing to do or it was made.
    bool SemeDonnees(std::string* erreur = nullptr);
    static std::string DossierDonneesUtilisateur();

private:
    struct Section {
        std::string nom;
        std::vector<std::pair<std::string, std::string>> entrees;
    };
    Section* Trouve(const std::string& cle);
    const Section* Trouve(const std::string& cle) const;

    std::string chemin;
    std::vector<Section> sections;
};
