#pragma once

#include <QMdiSubWindow>

class GestionnaireDocuments;
class veldraWindowView;

// The MDI child that holds one view. Closing it goes through the document
// manager, which asks whether a changed diagram should be saved.
class veldraMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    veldraMDIChild(GestionnaireDocuments& gestionnaire, QWidget* vue);

    // The diagram view it holds, null for any other window.
    veldraWindowView* Vue() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    GestionnaireDocuments& gestionnaire;
};
