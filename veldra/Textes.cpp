#include "Textes.h"

#include <map>

namespace textes {

QString Indication(int id)
{
    static const std::map<int, const char*> indications = {
        {299, "Sélectionner le coefficient de Zoom"},
        {300, "Affichage zoom 1"},
        {301, "Affichage zoom 2"},
        {302, "Affichage Zoom 3"},
        {311, "Copier vers le presse papier"},
        {2008, "Aide sur ..."},
        {2009, "A propos de VELDRA"},
        {2010, "Aide sur VELDRA"},
        {24310, "Quitter Veldra"},
        {24320, "Menu Editer"},
        {24321, "Reverses the last operation"},
        {24322, "Couper les éléments sélectionnés"},
        {24323, "Copies the selection and puts it on the Clipboard"},
        {24324, "Coller les éléments sélectionner"},
        {24325, "Effacer la sélection"},
        {24326, "Effacer tous les éléments du document"},
        {24331, "Créer un nouveau grafcet"},
        {24332, "Ouvrir un fichier grafcet"},
        {24333, "Sauvergarder le grafcet courant"},
        {24334, "Sauvegarder sous "},
        {24337, "Imprimer le document courant"},
        {24338, "Configurer les paramètres d'impression"},
        {24339, "Fermer le grafcet"},
        {24340, "Aperçu avant impression"},
        {24360, "Gestion des fenetres"},
        {24361, "Arrange les fenetre en cascade"},
        {24362, "Arrange les fenetre en mosaïque"},
        {24365, "Fermer toutes les fenêtres"},
        {61440, "Modifie la dimension de la fenetre"},
        {61456, "Déplacer la fenetre"},
        {61472, "Réduire la fenetre en ICON"},
        {61488, "Fenetre pleine page"},
        {61504, "Bascule vers une autre fenetre"},
        {61536, "Ferme la fenetre"},
        {61728, "Restore la position et la taille de la fenetre"},
        {61744, "Basculer vers ..."},
    };
    const auto it = indications.find(id);
    return it == indications.end() ? QString() : QString::fromUtf8(it->second);
}

QString NomCarte(int code)
{
    static const std::map<int, const char*> noms = {
        {0, "Simulation"}, {1, "KR40"}, {2, "ORBAN"}, {3, "582913"},
        {5, "Tolb"},       {6, "EPP"},  {7, "COM"},   {16, "Raskel"},
    };
    const auto it = noms.find(code);
    return it == noms.end() ? QString() : QString::fromUtf8(it->second);
}

} // namespace textes
