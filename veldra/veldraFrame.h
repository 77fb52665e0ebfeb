#pragma once

#include <QMainWindow>
#include <map>

#include "Commandes.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMdiSubWindow;
class QToolBar;
class veldraApp;
class veldraMDIClient;
class veldraMDIChild;
class veldraWindowView;
class GestionnaireDocuments;

// The decorated MDI frame: menu bar, top toolbar, tool palette, status bar
// with its zoom text, and the MDI client. Every menu item and button is one
// QAction per command id; a command goes to the active view first, then to
// the MDI client, the document manager and the application, and a command
// none of them handles is disabled. The enabling pass runs when a window is
// activated, when documents change, when a menu opens and after each command.
class veldraFrame : public QMainWindow {
    Q_OBJECT
public:
    veldraFrame(veldraApp& app, veldraMDIClient* client, GestionnaireDocuments& gestionnaire);
    ~veldraFrame() override;

    QAction* Action(int id) const;
    QToolBar* BarreOutils() const { return barre; }
    QToolBar* Palette() const { return palette; }
    QLabel* TexteZoom() const { return texteZoom; }
    veldraMDIClient* Client() const { return client; }

    // Runs a command as a menu item or button would.
    void Commande(int id);
    void MetAJourCommandes();
    // The caption of a menu item, by command id (the card and operative-part items).
    void ChangeLibelle(int id, const QString& libelle);
    // The zoom the zoom buttons of the toolbar ask for (the one down).
    short ZoomDesBoutons() const;
    // Presses the palette button of the view's mode and tool.
    void SuitPalette(veldraWindowView* vue);

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QAction* Cree(int id, const QString& libelle, const QString& raccourci = {});
    void ConstruitMenus();
    void ConstruitBarres();
    void ConstruitRaccourcis();
    void ConstruitBarreEtat();
    void EnfantActive(QMdiSubWindow* s);

    veldraApp& app;
    veldraMDIClient* client;
    GestionnaireDocuments& gestionnaire;
    std::map<int, QAction*> actions;
    QToolBar* barre = nullptr;
    QToolBar* palette = nullptr;
    QActionGroup* groupeZoom = nullptr;
    QActionGroup* groupePalette = nullptr;
    QLabel* texteZoom = nullptr;
};
