#pragma once

#include "Diagnostics.h"
#include "Sources.h"

// Checks across the sources what no single line can tell: parts of unknown
// cards, parts defined twice, logical signals sharing a bit, ports of the
// interface chips mixing inputs and outputs, named constants with no value,
// and labels that the compilers could never reach because another component
// of the part captures their name.
void Controle(const Donnees& d, Diagnostics& diag);
