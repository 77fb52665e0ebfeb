#pragma once

#include "eqctl_global.h"

#include <QStringList>

// The symbol font: ordinary letters plus an up arrow, a down arrow and an
// overbar for the equation codes (shown at U+2191, U+2193, U+203E and also
// mapped at U+00AD, U+00AE, U+00AF). The same glyphs come under three faces,
// one file each: "VELDRA" (VELDRA.ttf), "Norim Font" (NorimFont.ttf) and
// "Norim Fonts" (NorimFonts.ttf).

// Makes the three faces available to the program, once per process: the
// first call registers the files with QFontDatabase, later calls do nothing
// and return the first call's result. True when at least one face could be
// registered; false when none could (a warning names what is missing), in
// which case the system substitutes other faces. Needs a QGuiApplication:
// without one it returns false and a later call tries again. Call it from
// the GUI thread.
EQCTL_EXPORT bool EnregistrePoliceSymboles();

// The directories searched for the font files, in order: beside the program
// (<program dir>/../data/police, then the installed <program dir>/../share/
// veldra/police), then the build's data directory.
EQCTL_EXPORT QStringList DossiersPoliceSymboles();

// Registers each face from the first of the directories holding a file of
// that name which loads and really carries that face (a damaged file or
// another font under the name is skipped). Returns the faces registered.
// Every call registers again: EnregistrePoliceSymboles is the once-only
// entry point.
EQCTL_EXPORT QStringList EnregistrePolicesSymbolesDans(const QStringList& dossiers);
