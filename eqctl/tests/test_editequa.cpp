// The equation edit control: its face and its text limit.
#include "TEditEqua.h"

#include <QFontInfo>
#include <QRawFont>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

namespace {

// Types each character as a key press carrying that text, as a keyboard or
// an input method delivers it (QTest::keyClicks only handles Latin-1).
void Tape(QWidget* w, const QString& texte)
{
    for (QChar c : texte) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(w, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

// Comes first in the program: the control must register the font itself.
TEST(TEditEqua, FirstUserOfTheFaceShowsTheSymbolGlyphs)
{
    TEditEqua edit(nullptr, 101, 256);
    EXPECT_EQ(edit.Identifiant(), 101);

    const QFontInfo info(edit.font());
    EXPECT_EQ(info.family(), QStringLiteral("VELDRA"));
    EXPECT_EQ(info.weight(), QFont::Normal);
    EXPECT_FALSE(info.italic());

    // The codes and their display characters draw our arrows and overbar.
    const QRawFont brute = QRawFont::fromFont(edit.font());
    ASSERT_TRUE(brute.isValid());
    EXPECT_EQ(brute.familyName(), QStringLiteral("VELDRA"));
    for (auto [code, affiche] : {std::pair{0xAD, 0x2191}, {0xAE, 0x2193}, {0xAF, 0x203E}}) {
        const auto glyphes = brute.glyphIndexesForString(QString(QChar(code)) + QChar(affiche));
        ASSERT_EQ(glyphes.size(), 2);
        EXPECT_NE(glyphes[0], 0u) << std::hex << code;
        EXPECT_EQ(glyphes[0], glyphes[1]) << std::hex << code;
    }

    // A second control registers nothing new and gets the same face.
    TEditEqua autre(nullptr, 102, 10);
    EXPECT_EQ(QFontInfo(autre.font()).family(), QStringLiteral("VELDRA"));
}

TEST(TEditEqua, SetupKeepsTheInheritedSizeAndIsRepeatable)
{
    QWidget parent;
    QFont grand = parent.font();
    grand.setPointSize(31);
    grand.setBold(true);
    parent.setFont(grand);
    TEditEqua edit(&parent, 1, 20);
    edit.SetupWindow();
    EXPECT_EQ(edit.font().pointSize(), 31);
    EXPECT_EQ(edit.font().weight(), QFont::Normal);
    EXPECT_EQ(QFontInfo(edit.font()).family(), QStringLiteral("VELDRA"));
}

TEST(TEditEqua, TypingStopsAtTheLimitMinusOne)
{
    const QString arrows = QStringLiteral("\u2191\u2193\u203E");
    const struct
    {
        unsigned int limite;
        QString tape;
        QString attendu;
    } cas[] = {
        {6, QStringLiteral("abcdefgh"), QStringLiteral("abcde")},
        {2, QStringLiteral("ab"), QStringLiteral("a")},
        {1, QStringLiteral("ab"), QString()},
        // The equation characters count as one character each and arrive as
        // typed.
        {3, arrows + QStringLiteral("a"), arrows.left(2)},
        {10, QStringLiteral("\u203Ea.\u2191b"), QStringLiteral("\u203Ea.\u2191b")},
        // No limit of its own, and no wrap-around for the largest limit.
        {0, QString(300, QLatin1Char('x')), QString(300, QLatin1Char('x'))},
        {std::numeric_limits<unsigned int>::max(), QStringLiteral("abc"), QStringLiteral("abc")},
    };
    for (const auto& c : cas) {
        TEditEqua edit(nullptr, 101, c.limite);
        Tape(&edit, c.tape);
        EXPECT_EQ(edit.text(), c.attendu) << "limit " << c.limite;
        // The owner inserting text obeys the same limit.
        edit.clear();
        edit.insert(c.tape);
        EXPECT_EQ(edit.text(), c.attendu) << "limit " << c.limite << ", inserted";
    }
}
