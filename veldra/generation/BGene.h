#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

// The generation dialog: the progress of the three passes of one generation
// (structure, actions, receptivities), the sorted list of the error labels,
// and the two buttons that run the generated program. It is modeless and
// deletes itself when closed; every generation opens a new one.
class BGene : public QDialog {
    Q_OBJECT
public:
    // The dialog's own line text; the pass results are those of
    // textesgeneration (GenereProgramme.h).
    static constexpr const char* EN_COURS = "Traitement en cours...";

    // The view that generated is the parent: the dialog goes with it.
    explicit BGene(QWidget* vue);

    // 1, 2, 3: the structure, action and receptivity lines; 6: adds a line to
    // the error list; any other index does nothing.
    void SetLine(short index, const QString& texte);
    // Bit 0 enables "Executer", bit 1 "Simuler"; a clear bit disables.
    void EnableRun(unsigned flags);
    // Enables the error list and adds every label to it (the list sorts them).
    void ShowErrors(const std::vector<std::string>& labels);
    // Enables the error list and adds one message of the editor to it.
    void AjouteErreur(const QString& message);

    QString Line(short index) const;
    QStringList Errors() const;

signals:
    // A run button was pressed: 304 run on the card, 305 simulation. The
    // dialog is already closed (and deleted at the next return to the event
    // loop) when this is emitted.
    void Commande(int id);

private:
    void Lance(int id);

    QLabel* lignes[3] = {};
    QListWidget* erreurs = nullptr;
    QPushButton* executer = nullptr;
    QPushButton* simuler = nullptr;
};
