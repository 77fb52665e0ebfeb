#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Writes a file so that it is never lost: the content goes to a temporary
// file in the target's directory, is flushed to disk, then renamed over the
// target. On any failure the old file stays as it was, the temporary file is
// removed and `erreur` (when given) receives the reason in French.
bool EcritureSure(const std::string& chemin, const std::function<bool(FILE*)>& ecrire,
                  std::string* erreur = nullptr);

// The reason of the last failed system call on a file, in French.
std::string RaisonSysteme(int err);
