#include "veldraMDIChild.h"

#include <QCloseEvent>

#include "GestionnaireDocuments.h"
#include "vue/veldraWindowView.h"

veldraMDIChild::veldraMDIChild(GestionnaireDocuments& g, QWidget* vue) : gestionnaire(g)
{
    setWidget(vue);
    setAttribute(Qt::WA_DeleteOnClose);
}

veldraWindowView* veldraMDIChild::Vue() const { return qobject_cast<veldraWindowView*>(widget()); }

void veldraMDIChild::closeEvent(QCloseEvent* e)
{
    if (!gestionnaire.PeutFermer(this)) {
        e->ignore();
        return;
    }
    gestionnaire.Oublie(this);
    QMdiSubWindow::closeEvent(e);
}
