#pragma once

// The element dialogs that the diagram view's text-editing mode opens.
#include "dialogues/DialogueCommentaire.h"
#include "dialogues/TAction.h"
#include "dialogues/TEAction.h"
#include "dialogues/TEquation.h"
#include "dialogues/TListac.h"
#include "dialogues/TNum.h"
