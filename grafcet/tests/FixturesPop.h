#pragma once

// Small operative-part files for the tests, written byte by byte.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "variables/composant.h"
#include "variables/Constante.h"

namespace fixtures {

inline composant C(int nature, int sens, int indice, int masque, const char* label,
                   const char* designation = "")
{
    composant c{};
    c.nature = static_cast<unsigned char>(nature);
    c.sens = static_cast<unsigned char>(sens);
    c.indice = static_cast<unsigned char>(indice);
    c.masque = static_cast<unsigned char>(masque);
    EcritChamp(c.label, label);
    EcritChamp(c.designation, designation);
    return c;
}

struct Bloc {
    int carte;
    int protege;
    std::string nom;
    std::vector<composant> records;
};

inline void Mot(std::vector<unsigned char>& o, int v)
{
    o.push_back(static_cast<unsigned char>(v & 0xFF));
    o.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

inline std::vector<unsigned char> OctetsPop(const std::vector<Bloc>& blocs)
{
    std::vector<unsigned char> o;
    Mot(o, static_cast<int>(blocs.size()));
    for (const auto& b : blocs) {
        o.push_back(static_cast<unsigned char>(b.carte));
        o.push_back(static_cast<unsigned char>(b.protege));
        char nom[20] = {};
        std::strncpy(nom, b.nom.c_str(), 19);
        o.insert(o.end(), nom, nom + 20);
        Mot(o, static_cast<int>(b.records.size()));
        for (const auto& r : b.records) {
            const auto* p = reinterpret_cast<const unsigned char*>(&r);
            o.insert(o.end(), p, p + sizeof r);
        }
    }
    return o;
}

inline void Ecrit(const std::filesystem::path& p, const std::vector<unsigned char>& o)
{
    FILE* f = std::fopen(p.c_str(), "wb");
    if (!o.empty())
        std::fwrite(o.data(), 1, o.size(), f);
    std::fclose(f);
}

inline std::vector<unsigned char> Lit(const std::filesystem::path& p)
{
    std::vector<unsigned char> o;
    FILE* f = std::fopen(p.c_str(), "rb");
    if (!f)
        return o;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        o.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
    return o;
}

inline void EcritConstantes(const std::filesystem::path& p, const std::vector<constante>& cs)
{
    std::vector<unsigned char> o;
    for (const auto& c : cs) {
        const auto b = EncodeConstante(c);
        o.insert(o.end(), b.begin(), b.end());
    }
    Ecrit(p, o);
}

// A fresh directory for one test, removed afterwards; its path ends with "/".
class Dossier {
public:
    explicit Dossier(const std::string& nom)
    {
        chemin = std::filesystem::temp_directory_path()
                 / (nom + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(chemin);
        std::filesystem::create_directories(chemin);
    }
    ~Dossier() { std::filesystem::remove_all(chemin); }
    std::string Prefixe() const { return chemin.string() + "/"; }
    std::filesystem::path operator/(const std::string& f) const { return chemin / f; }
    std::filesystem::path chemin;
};

} // namespace fixtures
