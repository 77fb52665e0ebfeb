#pragma once

#include "dialogues/DialogueElement.h"

class QLineEdit;

// "Numérotation": the number of a step or macro-step, typed in decimal.
// On OK a text that starts (after blanks) with a number of the 16-bit range
// replaces the caller's number; any other text leaves it as it was.
class TNum : public DialogueElement {
    Q_OBJECT
public:
    TNum(QWidget* parent, short* numero, int modele = 1);

    // The number `texte` starts with (blanks, an optional sign, then decimal
    // digits; what follows is ignored); false when there is none or when it
    // does not fit in 16 bits.
    static bool LitNumero(const std::string& texte, short& numero);

    void accept() override;

private:
    short* numero;
    QLineEdit* edit;
};
