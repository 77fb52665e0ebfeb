#pragma once

#include "dialogues/DialogueElement.h"

class QListWidget;

// The signal names of the application's current operative part
// (SelectionCible::Courante()): the outputs for `genre` 1 ("Liste des
// Actions"), the inputs for `genre` 0 ("Liste des Réceptivité"), sorted.
// On OK the selected name, whole, goes to the caller's string; with no name
// selected the string is left as it was.
class TListac : public DialogueElement {
    Q_OBJECT
public:
    TListac(QWidget* parent, int genre, std::string* nom, int modele = 9);

    void accept() override;

private:
    std::string* nom;
    QListWidget* liste;
};
