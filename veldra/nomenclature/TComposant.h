#pragma once

#include <QDialog>
#include <functional>

#include "variables/composant.h"

class QLineEdit;

// "Edition de composant": the label and the designation of one component
// of the operative part. Controls carry their identifiers as object names:
// group boxes "103" (Label) and "104" (Désignation), edits "101" and "102",
// buttons "1" (OK), "2" (Cancel) and "998" (Help, without action).
//
// OK writes the edited texts into the caller's record and leaves its other
// fields as they were. A text left as it was shown keeps its original
// bytes; an edited label holds at most 9 characters and an edited
// designation at most 49: a longer or empty label, or a longer designation,
// is refused with a message and the dialog stays open, so that nothing is
// ever cut silently.
class TComposant : public QDialog {
    Q_OBJECT
public:
    static constexpr int LONGUEUR_LABEL = 9;
    static constexpr int LONGUEUR_DESIGNATION = 49;

    TComposant(QWidget* parent, composant* c, int modele = 12);

    // Runs the dialog through Ouvre: 1 for OK, 2 otherwise.
    int Execute();
    void accept() override;

    // How the dialog is run: by default modally with exec(). Tests replace it
    // to fill and accept the dialog without an event loop (an empty function
    // counts as the default).
    static std::function<int(TComposant&)> Ouvre;
    // How a refused text is reported (by default a warning box over the dialog).
    static std::function<void(QWidget*, const QString&)> Avertit;

private:
    composant* record;
    QLineEdit* label;
    QLineEdit* designation;
    QString labelAffiche;
    QString designationAffichee;
};
