#pragma once

#include <cstddef>
#include <string>

// Reads one entry of an INI-style settings file, the way a private profile
// is read: section and key names compared without regard to case, blanks
// around names and values ignored, a value in matching quotes taken without
// them, the first matching section and key used. The result is cut to
// taille - 1 characters, like a value read into a buffer of taille bytes.
// A missing or unreadable file, section or key gives the default.
std::string LitProfilPrive(const std::string& fichier, const std::string& section,
                           const std::string& cle, const std::string& defaut,
                           std::size_t taille = 20);

// Converts a text the way "%f" reads a real number: leading blanks, an
// optional sign, then the longest number; what follows is ignored. False,
// and out unchanged, when no finite number can be read.
bool LitReel(const std::string& texte, float& out);
