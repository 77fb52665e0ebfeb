#pragma once

#include <QString>

class QBoxLayout;
class QComboBox;
class QDialog;
class QFrame;
class QPushButton;
class QWidget;

// Pieces shared by the target dialogs. Controls are named after their
// identifiers ("101", "1" for OK, "2" for Cancel, "998" for Help) so that
// tests and the help find them.
namespace controlescible {

constexpr int RESULTAT_OK = 1;
constexpr int RESULTAT_ANNULE = 2;

QPushButton* Bouton(QWidget* parent, int id, const QString& texte);
QComboBox* Liste(QWidget* parent, int id);
QFrame* Separateur(QWidget* parent);

// OK and Cancel (and Help, without action, when `aide`) at the bottom of a
// dialog; OK is left unconnected for the dialog's own handler, Cancel rejects.
QPushButton* AjouteBoutons(QDialog* dialogue, QBoxLayout* disposition, bool aide);

} // namespace controlescible
