#pragma once

// Command identifiers of the editor: menu items, toolbar and palette buttons
// carry the same numbers, and the French hints are keyed by them.
namespace cmd {
enum : int {
    // File
    NOUVEAU = 24331,
    OUVRIR = 24332,
    FERMER = 24339,
    SAUVEGARDER = 24333,
    SAUVEGARDER_SOUS = 24334,
    APERCU = 24340,
    IMPRIMER = 24337,
    CONFIGURER_IMPRESSION = 24338,
    QUITTER = 24310,
    // Edit
    ANNULER = 24321,
    COUPER = 24322,
    COPIER = 24323,
    COLLER = 24324,
    TOUT_EFFACER = 24326,
    EFFACER = 24325,
    COPIER_VERS = 311,
    NUMEROTATION = 310,
    // View
    ZOOM1 = 300,
    ZOOM2 = 301,
    ZOOM3 = 302,
    // Target
    CARTE = 307,
    PARTIE_OPERATIVE = 306,
    // Nomenclature
    NOMENCLATURE_CIBLE = 308,
    NOMENCLATURE_GRAFCET = 309,
    // Generation and run
    GENERER = 303,
    EXECUTION = 304,
    SIMULATION = 305,
    // Window
    CASCADE = 24361,
    MOSAIQUE = 24362,
    TOUT_FERMER = 24365,
    // Help
    A_PROPOS = 2009,
    AIDE = 2010,
    // Palette: element tools 100 + type code, modes 200 to 203
    OUTIL_PREMIER = 100,
    OUTIL_DERNIER = 110,
    MODE_SELECTION = 200,
    MODE_EFFACEMENT = 201,
    MODE_TEXTE = 202,
    MODE_LIAISON = 203,
};
} // namespace cmd

// The state a command enabler gives a command.
struct EtatCommande {
    bool actif = false;
    bool coche = false;
};

// A window that handles commands, as a response table does: Execute runs a
// command it handles; Etat reports whether it handles one and fills its
// state. A command nothing in the active chain handles is disabled.
class CibleCommandes {
public:
    virtual ~CibleCommandes() = default;
    virtual bool Execute(int id) = 0;
    virtual bool Etat(int id, EtatCommande& etat) = 0;
};
