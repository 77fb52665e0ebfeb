#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Reads the readable sources of the data directory, checks them, and writes
// "LISTE.CAR", "p_opera.lst" and "ombrix.ctt" into `sortie` (created when
// missing), each file replaced atomically. Nothing is written when a source is
// refused. Returns false with the reasons in `erreurs` on any failure.
bool GenereDonnees(const std::filesystem::path& sources, const std::filesystem::path& sortie,
                   std::vector<std::string>& erreurs);
