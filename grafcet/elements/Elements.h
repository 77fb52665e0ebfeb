#pragma once

// Every diagram element class at once, for the container and the file reader.
#include "elements/Barres.h"
#include "elements/Etape.h"
#include "elements/MacroEtapes.h"
#include "elements/Retour.h"
#include "elements/SGrafcet.h"
#include "elements/Textes.h"
#include "elements/Transition.h"
