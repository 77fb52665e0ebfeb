#pragma once

#include <string>
#include <vector>

class Grafcet;

// Exit statuses shared by the subcommands.
enum Statut : int {
    STATUT_OK = 0,
    STATUT_USAGE = 1,
    STATUT_ECHEC = 1, // generation failed (the text is still written)
    STATUT_ILLISIBLE = 2,
    STATUT_INCOMPLET = 3,
    STATUT_ECRITURE = 4,
};

// Reads a diagram file into g. Returns STATUT_OK, STATUT_INCOMPLET (what was
// read is kept) or STATUT_ILLISIBLE after a one-line message on stderr.
int LitDiagramme(const std::string& chemin, Grafcet& g);

int CommandeDump(const std::vector<std::string>& args);
int CommandeCopy(const std::vector<std::string>& args);
int CommandeGenerate(const std::vector<std::string>& args);
int CommandeSvg(const std::vector<std::string>& args);
