#pragma once

#include <string>
#include <vector>

// The refusals met while reading and checking the sources. Every one is
// kept, so that a teacher editing the files sees all mistakes at once.
class Diagnostics {
public:
    void Erreur(const std::string& fichier, int ligne, const std::string& message)
    {
        erreurs.push_back(fichier + ":" + std::to_string(ligne) + ": " + message);
    }
    void Erreur(const std::string& fichier, const std::string& message)
    {
        erreurs.push_back(fichier + ": " + message);
    }
    bool Vide() const { return erreurs.empty(); }
    const std::vector<std::string>& Erreurs() const { return erreurs; }

private:
    std::vector<std::string> erreurs;
};
