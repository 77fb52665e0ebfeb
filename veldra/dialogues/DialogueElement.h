#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QBoxLayout;
class QPushButton;

// The common ground of the element dialogs: the dialog face, the OK (object
// name "1") and Cancel ("2") buttons under a separator, and Execute, which
// runs the dialog modally and answers 1 when it was closed by OK, 2
// otherwise. Each dialog writes the caller's value in accept(), that is only
// when OK closes it.
class DialogueElement : public QDialog {
    Q_OBJECT
public:
    int Execute();

    // How a dialog opens another one (the receptivity dialog from the action
    // dialog's condition button, the action dialog from the action list, the
    // name list from the receptivity and action dialogs): it answers 1 for
    // OK, 2 otherwise. By default it runs the dialog modally with exec().
    // Tests replace it to fill and accept the inner dialog without an event
    // loop, and put the default back afterwards (an empty function counts as
    // the default).
    static std::function<int(QDialog&)> OuvreSousDialogue;

protected:
    // `taillePolice`: the point size of the dialog face "Norim Fonts".
    DialogueElement(QWidget* parent, const QString& titre, int taillePolice);

    // Opens `d` through OuvreSousDialogue.
    static int Ouvre(QDialog& d);
    // Adds the separator and the OK and Cancel buttons at the bottom of `l`.
    void AjouteOkAnnuler(QBoxLayout* l);
    // Horizontal and vertical lengths of `n` dialog units in the dialog's face.
    int Unites(int n) const;
    int UnitesV(int n) const;

    QPushButton* ok = nullptr;
    QPushButton* annuler = nullptr;
};

// What a text edit gives back: the caller's original bytes when the text
// shown was left as it was (so that opening and confirming a dialog never
// alters a text, even one with bytes that have no character), else the
// bytes of the edited text.
std::string TexteRelu(const QString& actuel, const QString& affiche, const std::string& origine);
