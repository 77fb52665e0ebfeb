#include "PoliceSymboles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>

#include <array>
#include <optional>

namespace {

struct Face
{
    const char* famille;
    const char* fichier;
};

constexpr std::array<Face, 3> faces{{
    {"VELDRA", "VELDRA.ttf"},
    {"Norim Font", "NorimFont.ttf"},
    {"Norim Fonts", "NorimFonts.ttf"},
}};

} // namespace

QStringList DossiersPoliceSymboles()
{
    QStringList dossiers;
    auto ajoute = [&dossiers](const QString& d) {
        const QString propre = QDir::cleanPath(d);
        if (!propre.isEmpty() && !dossiers.contains(propre))
            dossiers << propre;
    };
    if (QCoreApplication::instance()) {
        const QString programme = QCoreApplication::applicationDirPath();
        ajoute(programme + QStringLiteral("/../data/police"));
        ajoute(programme + QStringLiteral("/../share/veldra/police"));
    }
#ifdef VELDRA_POLICE_DIR
    ajoute(QStringLiteral(VELDRA_POLICE_DIR));
#endif
    return dossiers;
}

QStringList EnregistrePolicesSymbolesDans(const QStringList& dossiers)
{
    QStringList enregistrees;
    for (const Face& face : faces) {
        const QString famille = QString::fromLatin1(face.famille);
        for (const QString& dossier : dossiers) {
            const QString chemin = QDir(dossier).filePath(QString::fromLatin1(face.fichier));
            if (!QFileInfo(chemin).isFile())
                continue;
            const int id = QFontDatabase::addApplicationFont(chemin);
            if (id < 0) {
                qWarning("eqctl: the font file %s could not be loaded", qUtf8Printable(chemin));
                continue;
            }
            if (!QFontDatabase::applicationFontFamilies(id).contains(famille)) {
                qWarning("eqctl: the font file %s does not hold the face \"%s\"",
                         qUtf8Printable(chemin), face.famille);
                QFontDatabase::removeApplicationFont(id);
                continue;
            }
            enregistrees << famille;
            break;
        }
    }
    return enregistrees;
}

bool EnregistrePoliceSymboles()
{
    static QMutex verrou;
    static std::optional<bool> resultat;
    QMutexLocker garde(&verrou);
    if (resultat)
        return *resultat;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        qWarning("eqctl: the symbol font needs a QGuiApplication to be registered");
        return false;
    }
    const QStringList dossiers = DossiersPoliceSymboles();
    const QStringList enregistrees = EnregistrePolicesSymbolesDans(dossiers);
    if (enregistrees.size() < static_cast<qsizetype>(faces.size()))
        qWarning("eqctl: symbol font faces registered: %s; searched in %s",
                 enregistrees.isEmpty() ? "none" : qUtf8Printable(enregistrees.join(QStringLiteral(", "))),
                 qUtf8Printable(dossiers.join(QStringLiteral(", "))));
    resultat = !enregistrees.isEmpty();
    return *resultat;
}
