// The symbol font: its registration, its faces, its characters and the
// shapes of the arrows and the overbar.
#include "PoliceSymboles.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const QStringList familles{QStringLiteral("VELDRA"), QStringLiteral("Norim Font"),
                           QStringLiteral("Norim Fonts")};

QRawFont Brute(const QString& famille)
{
    QFont police(famille);
    police.setPixelSize(100);
    return QRawFont::fromFont(police);
}

// The ink of one character drawn at a large size: for each pixel row, the
// leftmost and rightmost dark pixels.
struct Encre
{
    int ligneDeBase = 0;
    int hauteurX = 0;
    int haut = -1, bas = -1, gauche = -1, droite = -1;
    std::vector<std::pair<int, int>> lignes; // per row from haut to bas, (-1, -1) when empty

    int Hauteur() const { return bas - haut + 1; }
    int Largeur() const { return droite - gauche + 1; }
    int LargeurLigne(int y) const
    {
        const auto [g, d] = lignes[y - haut];
        return g < 0 ? 0 : d - g + 1;
    }
};

Encre Dessine(QChar c)
{
    QFont police(QStringLiteral("VELDRA"));
    police.setPixelSize(120);
    const QFontMetrics mesures(police);
    QImage image(mesures.horizontalAdvance(c) + 40, mesures.height() + 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    Encre encre;
    encre.ligneDeBase = 20 + mesures.ascent();
    encre.hauteurX = mesures.xHeight();
    {
        QPainter p(&image);
        p.setFont(police);
        p.setPen(Qt::black);
        p.drawText(20, encre.ligneDeBase, QString(c));
    }
    std::vector<std::pair<int, int>> lignes(image.height(), {-1, -1});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                auto& [g, d] = lignes[y];
                if (g < 0)
                    g = x;
                d = x;
                if (encre.haut < 0)
                    encre.haut = y;
                encre.bas = y;
                encre.gauche = encre.gauche < 0 ? x : std::min(encre.gauche, x);
                encre.droite = std::max(encre.droite, x);
            }
    if (encre.haut >= 0)
        encre.lignes.assign(lignes.begin() + encre.haut, lignes.begin() + encre.bas + 1);
    return encre;
}

// An arrow: a tall shape standing on the baseline, whose widest row (the
// head) is in one half and whose other half is a thin centred stem.
void VerifieFleche(QChar c, bool versLeHaut)
{
    SCOPED_TRACE(QString(c).toStdString());
    const Encre e = Dessine(c);
    ASSERT_GE(e.haut, 0) << "no ink";
    EXPECT_GT(e.Hauteur(), 3 * e.Largeur() / 2);
    EXPECT_NEAR(e.bas, e.ligneDeBase - 1, 2);

    int large = e.haut;
    for (int y = e.haut; y <= e.bas; ++y)
        if (e.LargeurLigne(y) > e.LargeurLigne(large))
            large = y;
    EXPECT_GE(e.LargeurLigne(large), e.Largeur() * 9 / 10);
    const int milieu = e.haut + e.Hauteur() / 2;
    if (versLeHaut)
        EXPECT_LT(large, milieu);
    else
        EXPECT_GT(large, milieu);

    const int centre2 = e.gauche + e.droite; // twice the centre
    const int debut = versLeHaut ? e.haut + e.Hauteur() / 2 : e.haut;
    const int fin = versLeHaut ? e.bas : e.haut + e.Hauteur() / 2;
    for (int y = debut; y <= fin; ++y) {
        const auto [g, d] = e.lignes[y - e.haut];
        ASSERT_GE(g, 0) << "the stem is broken at row " << y;
        EXPECT_LE(d - g + 1, e.Largeur() * 35 / 100) << "row " << y;
        EXPECT_NEAR(g + d, centre2, e.Largeur() * 30 / 100) << "row " << y;
    }
}

} // namespace

TEST(PoliceSymboles, RegistersTheThreeFacesOnce)
{
    ASSERT_TRUE(EnregistrePoliceSymboles());
    EXPECT_TRUE(EnregistrePoliceSymboles());
    const QStringList connues = QFontDatabase::families();
    for (const QString& famille : familles) {
        EXPECT_TRUE(connues.contains(famille)) << famille.toStdString();
        EXPECT_EQ(QFontInfo(QFont(famille)).family(), famille);
        EXPECT_EQ(Brute(famille).familyName(), famille);
    }
}

TEST(PoliceSymboles, HasTheEquationCharactersAndTheSameGlyphsInEveryFace)
{
    ASSERT_TRUE(EnregistrePoliceSymboles());
    const QString caracteres = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
        " .+-=#<>/{}|()_*!;:,'\"[]"
        "\u00E0\u00E2\u00E4\u00E7\u00E9\u00E8\u00EA\u00EB\u00EE\u00EF\u00F4\u00F6\u00F9\u00FB\u00FC"
        "\u00FF\u0153\u00E6\u00C0\u00C7\u00C9\u00C8\u00CA\u0152\u00AB\u00BB\u00B0\u20AC"
        "\u2191\u2193\u203E\u00AD\u00AE\u00AF");
    const QRawFont reference = Brute(familles.first());
    for (const QString& famille : familles) {
        const QRawFont brute = Brute(famille);
        ASSERT_TRUE(brute.isValid()) << famille.toStdString();
        for (QChar c : caracteres)
            EXPECT_TRUE(brute.supportsCharacter(c))
                << famille.toStdString() << " U+" << std::hex << int(c.unicode());

        // Each code and its display character share a glyph, the three
        // glyphs differ, and every face draws them alike.
        const auto glyphes = brute.glyphIndexesForString(QStringLiteral("\u00AD\u2191\u00AE\u2193\u00AF\u203E"));
        ASSERT_EQ(glyphes.size(), 6);
        EXPECT_EQ(glyphes[0], glyphes[1]);
        EXPECT_EQ(glyphes[2], glyphes[3]);
        EXPECT_EQ(glyphes[4], glyphes[5]);
        EXPECT_NE(glyphes[1], glyphes[3]);
        EXPECT_NE(glyphes[1], glyphes[5]);
        EXPECT_NE(glyphes[3], glyphes[5]);
        const auto deReference = reference.glyphIndexesForString(QStringLiteral("\u2191\u2193\u203E"));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(brute.pathForGlyph(glyphes[2 * i + 1]), reference.pathForGlyph(deReference[i]))
                << famille.toStdString() << " glyph " << i;
    }
}

TEST(PoliceSymboles, ArrowsPointUpAndDown)
{
    ASSERT_TRUE(EnregistrePoliceSymboles());
    VerifieFleche(QChar(0x2191), true);
    VerifieFleche(QChar(0x2193), false);
}

TEST(PoliceSymboles, OverbarIsAFlatBarAboveTheLowerCase)
{
    ASSERT_TRUE(EnregistrePoliceSymboles());
    const Encre e = Dessine(QChar(0x203E));
    ASSERT_GE(e.haut, 0) << "no ink";
    EXPECT_GT(e.Largeur(), 3 * e.Hauteur());
    EXPECT_LT(e.bas, e.ligneDeBase - e.hauteurX);
    for (int y = e.haut; y <= e.bas; ++y)
        EXPECT_GE(e.LargeurLigne(y), e.Largeur() * 9 / 10) << "row " << y;
}

TEST(PoliceSymboles, RegistrationSkipsMissingDamagedAndForeignFiles)
{
    const QString construites = QStringLiteral(EQCTL_TEST_POLICE);
    ASSERT_TRUE(QFile::exists(construites + QStringLiteral("/VELDRA.ttf")));

    QTemporaryDir vide, abime;
    ASSERT_TRUE(vide.isValid() && abime.isValid());
    EXPECT_TRUE(EnregistrePolicesSymbolesDans({vide.path(), QStringLiteral("/nonexistent/police")}).isEmpty());

    // A damaged VELDRA.ttf, NorimFont.ttf holding another face, and no
    // NorimFonts.ttf: every face comes from the next directory.
    QFile damage(abime.filePath(QStringLiteral("VELDRA.ttf")));
    ASSERT_TRUE(damage.open(QIODevice::WriteOnly));
    damage.write(QByteArray(5000, '\x42'));
    damage.close();
    ASSERT_TRUE(QFile::copy(construites + QStringLiteral("/NorimFonts.ttf"),
                            abime.filePath(QStringLiteral("NorimFont.ttf"))));

    EXPECT_TRUE(EnregistrePolicesSymbolesDans({abime.path()}).isEmpty());
    EXPECT_EQ(EnregistrePolicesSymbolesDans({vide.path(), abime.path(), construites}), familles);
}
