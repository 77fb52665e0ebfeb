#pragma once

#include "dialogues/DialogueElement.h"

class EditeurEquation;

// "Réceptivité": the receptivity of a transition, or the condition of an
// action. An empty equation is shown, and stored on OK, as "1" (always
// true). Letters typed become lower case; the buttons insert "+", "." and
// the negation (0xAF), rising-edge (0xAD) and falling-edge (0xAE) codes at
// the caret, and "Liste des réceptivités" a name of the operative part's
// inputs. On OK the whole text of the edit is stored.
class TEquation : public DialogueElement {
    Q_OBJECT
public:
    TEquation(QWidget* parent, std::string* equation, int modele = 2);

    void accept() override;

private:
    void Insere(const QString& s);
    void ListeNoms();

    std::string* equation;
    std::string origine;
    QString affiche;
    EditeurEquation* edit;
};
