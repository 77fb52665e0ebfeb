#pragma once

#include "dialogues/DialogueElement.h"

class QLineEdit;

// "Commentaire": the text of a comment, on one line, with an empty prompt
// above it. Typing stops at 47 characters; a longer comment already in the
// diagram is shown whole and can be shortened, never cut by the dialog. On
// OK the edit's text goes to the caller's string, possibly empty (the view
// then deletes the comment or adds none).
class DialogueCommentaire : public DialogueElement {
    Q_OBJECT
public:
    static constexpr int LIMITE = 47;

    DialogueCommentaire(QWidget* parent, std::string* tampon);

    void accept() override;

private:
    std::string* tampon;
    std::string origine;
    QString affiche;
    QLineEdit* edit;
};
