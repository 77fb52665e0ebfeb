#pragma once

#include <QWidget>

#include "VueGrafcet.h"

class QCloseEvent;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class ListeVariables;
class TGrafDoc;

// The run window: the chart of a diagram document, read-only, beside the
// program text of its last generation and the variables that program uses,
// with the panel that drives the run (the "Exécution" panel, which the
// simulation engine fills).
//
// The editor opens it from its run commands and waits in a modal loop that
// the signal Fermee ends. The window deletes itself when it is closed; it
// never deletes the document.
class GrafcetWindow : public QWidget {
    Q_OBJECT
public:
    // parent: the editor's frame; the window is a top-level window over it.
    // document: the diagram document to run, neither owned nor deleted; it
    //   must outlive the window (the editor's modal loop guarantees it). Null
    //   gives an empty window.
    // carte: the card code, 0 for the simulation.
    // disposition1, disposition2: the layout windows of the editor's call (a
    //   fresh empty one and the diagram view). They are accepted for that
    //   call and not used: the window lays itself out.
    GrafcetWindow(QWidget* parent, TGrafDoc* document, short carte,
                  QWidget* disposition1 = nullptr, QWidget* disposition2 = nullptr);
    ~GrafcetWindow() override;

    TGrafDoc* Document() const { return document; }
    short Carte() const { return carte; }
    VueGrafcet* Vue() const { return vue; }
    // The place of the run's controls.
    QGroupBox* PanneauExecution() const { return panneau; }

    // The editor's screen surface for the chart (see VueGrafcet).
    void SetSurface(VueGrafcet::FabriqueSurface fabrique);
    // Reads the program text, the variables and the chart from the document
    // again.
    void Recharge();

    // "Simulation" for card 0, else "Exécution - carte n"; followed by the
    // document's title when it has one.
    static QString Titre(short carte, const QString& document);

signals:
    // Emitted once, when the window closes or is destroyed.
    void Fermee();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void SignaleFermeture();

    TGrafDoc* document;
    short carte;
    VueGrafcet* vue = nullptr;
    QPlainTextEdit* programme = nullptr;
    ListeVariables* variables = nullptr;
    QGroupBox* panneau = nullptr;
    QLabel* etat = nullptr;
    bool fermee = false;
};
