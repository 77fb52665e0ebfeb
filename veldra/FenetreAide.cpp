#include "FenetreAide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The help pages beside the program when installed, else in the sources.
QString Dossier()
{
    const QString pres = QCoreApplication::applicationDirPath() + "/aide";
    if (QFileInfo(pres + "/index.html").isFile())
        return pres;
    return QStringLiteral(VELDRA_AIDE);
}

} // namespace

FenetreAide::FenetreAide(QWidget* parent) : QDialog(parent), navigateur(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Aide sur VELDRA"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(navigateur);
    navigateur->setSearchPaths({Dossier()});
    navigateur->setSource(QUrl::fromLocalFile(Dossier() + "/index.html"));
    resize(640, 560);
}

FenetreAide* FenetreAide::Montre(QWidget* parent)
{
    static QPointer<FenetreAide> ouverte;
    if (!ouverte)
        ouverte = new FenetreAide(parent);
    ouverte->show();
    ouverte->raise();
    ouverte->activateWindow();
    return ouverte;
}
