// The element dialogs, driven through their controls: what they show, what
// typing and the buttons do, and what they give back to the caller.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ConversionTexte.h"
#include "FixturesPop.h"
#include "SelectionCible.h"
#include "dialogues/Dialogues.h"

namespace {

template <class T>
T* Trouve(QObject& d, const char* nom)
{
    auto* w = d.findChild<T*>(QString::fromLatin1(nom));
    if (!w)
        throw std::runtime_error(std::string("no control ") + nom);
    return w;
}

void Clique(QObject& d, const char* nom)
{
    Trouve<QPushButton>(d, nom)->click();
}

// Types `texte` one character at a time, as a keyboard with those keys would.
void Tape(QWidget* w, const QString& texte)
{
    for (const QChar c : texte)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Shows the dialog as the active window, so that the focus can be checked.
void Montre(QDialog& d)
{
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

int Resultat(QDialog& d)
{
    return d.result() == QDialog::Accepted ? 1 : 2;
}

// Replaces the way a dialog opens another one for the life of the object.
class SousDialogue {
public:
    explicit SousDialogue(std::function<int(QDialog&)> f) : ancien(DialogueElement::OuvreSousDialogue)
    {
        DialogueElement::OuvreSousDialogue = std::move(f);
    }
    ~SousDialogue() { DialogueElement::OuvreSousDialogue = ancien; }

private:
    std::function<int(QDialog&)> ancien;
};

std::vector<std::string> Lignes(QDialog& d)
{
    std::vector<std::string> r;
    auto* liste = Trouve<QListWidget>(d, "101");
    for (int i = 0; i < liste->count(); ++i)
        r.push_back(VersOctets(liste->item(i)->text()));
    return r;
}

std::string TexteEquation(QDialog& d)
{
    return VersOctets(Trouve<QPlainTextEdit>(d, "101")->toPlainText());
}

// Fills the action dialog's edit, and its condition through the
// receptivity dialog when `condition` is given, then confirms it.
int RemplitAction(QDialog& d, const QString& action, const char* condition = nullptr)
{
    auto* edit = Trouve<QLineEdit>(d, "101");
    edit->clear();
    QTest::keyClicks(edit, action);
    if (condition) {
        SousDialogue equation([&](QDialog& e) {
            auto* texte = Trouve<QPlainTextEdit>(e, "101");
            texte->selectAll();
            QTest::keyClicks(texte, QString::fromLatin1(condition));
            Clique(e, "1");
            return Resultat(e);
        });
        Clique(d, "102");
    }
    Clique(d, "1");
    return Resultat(d);
}

// A small operative part in a temporary directory, made the application's
// current selection for the test.
class PartieOperative {
public:
    PartieOperative() : dossier("veldra-dialogues")
    {
        using fixtures::C;
        fixtures::Ecrit(dossier / "p_opera.lst",
                        fixtures::OctetsPop({{0, 0, "Banc",
                                              {C(0, 0, 0, 1, "dcy"), C(0, 1, 0, 1, "VERIN_SORTIE"),
                                               C(0, 0, 0, 2, "Capteur_gauche1"), C(0, 0, 0, 4, "a0"),
                                               C(0, 1, 0, 2, "MOTEUR")}}}));
        auto& cible = SelectionCible::Courante();
        ancienne = cible;
        cible.carte = 0;
        cible.nomPop = "Banc";
        cible.donnees = dossier.Prefixe();
    }
    ~PartieOperative() { SelectionCible::Courante() = ancienne; }

private:
    fixtures::Dossier dossier;
    SelectionCible ancienne;
};

// ---- step number ----

TEST(DialogueNumero, ShowsTheNumberAndParsesWhatIsTyped)
{
    const struct {
        const char* tape;
        short attendu;
    } cas[] = {
        {"34", 34},
        {"  -7x", -7},          // blanks, sign, and whatever follows the number
        {"abc", 12},            // no number: unchanged
        {"", 12},
        {"40000", 12},          // beyond 16 bits: unchanged, not wrapped
        {"-32768", -32768},
        {"00000000005", 5},     // leading zeros do not cut the number
        {"123456789012345", 12},
    };
    for (const auto& c : cas) {
        short n = 12;
        TNum d(nullptr, &n);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Numérotation"));
        auto* edit = Trouve<QLineEdit>(d, "101");
        EXPECT_EQ(edit->text(), QStringLiteral("12"));
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(c.tape));
        Clique(d, "1");
        EXPECT_EQ(n, c.attendu) << c.tape;
    }
}

TEST(DialogueNumero, ExecuteAnswersOneForOkAndTwoForCancel)
{
    short n = 3;
    {
        TNum d(nullptr, &n);
        Trouve<QLineEdit>(d, "101")->setText(QStringLiteral("8"));
        QTimer::singleShot(0, &d, [&d] { Clique(d, "2"); });
        EXPECT_EQ(d.Execute(), 2);
        EXPECT_EQ(n, 3);
    }
    TNum d(nullptr, &n);
    Trouve<QLineEdit>(d, "101")->setText(QStringLiteral("8"));
    QTimer::singleShot(0, &d, [&d] { Clique(d, "1"); });
    EXPECT_EQ(d.Execute(), 1);
    EXPECT_EQ(n, 8);
}

// ---- receptivity ----

TEST(DialogueEquation, EmptyReceptivityShowsAndStoresOne)
{
    std::string e;
    TEquation d(nullptr, &e);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Réceptivité"));
    EXPECT_EQ(TexteEquation(d), "1");
    EXPECT_EQ(e, ""); // nothing written before OK
    Trouve<QPlainTextEdit>(d, "101")->clear();
    Clique(d, "1");
    EXPECT_EQ(e, "1");
}

TEST(DialogueEquation, ButtonsInsertOperatorsAndCodesAtTheCaret)
{
    std::string e = "x";
    TEquation d(nullptr, &e);
    Montre(d);
    auto* edit = Trouve<QPlainTextEdit>(d, "101");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    // The caret is after the text shown; each button gives the focus back to the edit.
    Trouve<QPushButton>(d, "1")->setFocus();
    Clique(d, "105");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    Clique(d, "250");
    QTest::keyClicks(edit, QStringLiteral("a"));
    Clique(d, "106");
    Clique(d, "251");
    QTest::keyClicks(edit, QStringLiteral("b"));
    Clique(d, "105");
    Clique(d, "252");
    QTest::keyClicks(edit, QStringLiteral("c"));
    EXPECT_EQ(QApplication::focusWidget(), edit);
    // A selection is replaced.
    QTextCursor c = edit->textCursor();
    c.setPosition(0);
    c.setPosition(1, QTextCursor::KeepAnchor);
    edit->setTextCursor(c);
    Clique(d, "250");
    QTest::keyClicks(edit, QStringLiteral("y"));
    Clique(d, "1");
    EXPECT_EQ(e, "\xAFy+\xAF"
                 "a.\xAD"
                 "b+\xAE"
                 "c");
}

TEST(DialogueEquation, TypedLettersBecomeLowerCaseAndTheRestIsKept)
{
    // The caller's text is shown as it is, codes and capitals included.
    std::string e = "\xAF"
                    "Dcy";
    TEquation d(nullptr, &e);
    auto* edit = Trouve<QPlainTextEdit>(d, "101");
    EXPECT_EQ(TexteEquation(d), e);
    Tape(edit, QString::fromUtf8(".T/X5/2+ÉÀ\u2191"));
    // Pasted text is converted like typed text.
    QApplication::clipboard()->setText(QString::fromUtf8("+B\u2193"));
    edit->paste();
    Clique(d, "1");
    EXPECT_EQ(e, "\xAF"
                 "Dcy.t/x5/2+\xE9\xE0\xAD+b\xAE");
}

TEST(DialogueEquation, ReturnInTheEditConfirmsTheDialog)
{
    std::string e = "a";
    TEquation d(nullptr, &e);
    d.show();
    QTest::keyClick(Trouve<QPlainTextEdit>(d, "101"), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(e, "a");
}

TEST(DialogueEquation, LongTextsAreKeptWholeAndTypingStopsAt255)
{
    const std::string longue(300, 'a');
    std::string e = longue;
    {
        TEquation d(nullptr, &e);
        Clique(d, "1");
        EXPECT_EQ(e, longue); // neither cut at 98 characters nor at the edit's limit
    }
    std::string tapee = "1";
    TEquation d(nullptr, &tapee);
    auto* edit = Trouve<QPlainTextEdit>(d, "101");
    edit->clear();
    QTest::keyClicks(edit, QString(120, QLatin1Char('b')));
    Clique(d, "1");
    EXPECT_EQ(tapee, std::string(120, 'b'));

    TEquation plein(nullptr, &tapee);
    edit = Trouve<QPlainTextEdit>(plein, "101");
    QTest::keyClicks(edit, QString(200, QLatin1Char('c')));
    EXPECT_EQ(edit->toPlainText().size(), 255);
}

TEST(DialogueEquation, CancelNeverWrites)
{
    std::string e = "a";
    TEquation d(nullptr, &e);
    QTest::keyClicks(Trouve<QPlainTextEdit>(d, "101"), QStringLiteral("+b"));
    Clique(d, "2");
    EXPECT_EQ(e, "a");
}

// ---- name list ----

TEST(DialogueListeNoms, ListsTheSortedNamesOfTheInputsOrOutputs)
{
    PartieOperative pop;
    const struct {
        int genre;
        const char* titre;
        std::vector<std::string> noms;
    } cas[] = {
        {0, "Liste des Réceptivité", {"a0", "Capteur_gauche1", "dcy"}},
        {1, "Liste des Actions", {"MOTEUR", "VERIN_SORTIE"}},
    };
    for (const auto& c : cas) {
        std::string nom;
        TListac d(nullptr, c.genre, &nom);
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8(c.titre));
        EXPECT_EQ(Lignes(d), c.noms);
    }
}

TEST(DialogueListeNoms, OkCopiesTheWholeSelectedNameOrNothing)
{
    PartieOperative pop;
    std::string nom = "avant";
    {
        TListac d(nullptr, 0, &nom);
        Trouve<QListWidget>(d, "101")->clearSelection();
        Clique(d, "1");
        EXPECT_EQ(nom, "avant");
    }
    {
        TListac d(nullptr, 0, &nom);
        Trouve<QListWidget>(d, "101")->setCurrentRow(1);
        Clique(d, "2");
        EXPECT_EQ(nom, "avant");
    }
    TListac d(nullptr, 0, &nom);
    Trouve<QListWidget>(d, "101")->setCurrentRow(1);
    Clique(d, "1");
    EXPECT_EQ(nom, "Capteur_gauche1"); // all 15 characters
}

TEST(DialogueListeNoms, NoOperativePartFileGivesAnEmptyList)
{
    fixtures::Dossier vide("veldra-dialogues-vide");
    auto& cible = SelectionCible::Courante();
    const SelectionCible ancienne = cible;
    cible.donnees = vide.Prefixe();
    std::string nom;
    TListac d(nullptr, 1, &nom);
    EXPECT_TRUE(Lignes(d).empty());
    Clique(d, "1");
    EXPECT_EQ(nom, "");
    cible = ancienne;
}

TEST(DialogueEquation, TheNameListInsertsTheChosenNameOrNothing)
{
    PartieOperative pop;
    int rang = 1;
    SousDialogue liste([&](QDialog& l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Liste des Réceptivité"));
        auto* noms = Trouve<QListWidget>(l, "101");
        noms->clearSelection();
        if (rang >= 0)
            noms->setCurrentRow(rang);
        Clique(l, "1");
        return Resultat(l);
    });
    std::string e = "x.";
    TEquation d(nullptr, &e);
    Montre(d);
    Trouve<QPushButton>(d, "102")->setFocus();
    Clique(d, "102");
    EXPECT_EQ(TexteEquation(d), "x.Capteur_gauche1");
    EXPECT_EQ(QApplication::focusWidget(), Trouve<QPlainTextEdit>(d, "101"));
    rang = -1;
    Clique(d, "102");
    EXPECT_EQ(TexteEquation(d), "x.Capteur_gauche1");
}

// ---- one action ----

TEST(DialogueAction, SplitsTheLineAtItsFirstTab)
{
    const struct {
        const char* ligne;
        const char* action;
        const char* condition;
    } cas[] = {
        {"VERIN\ta.b", "VERIN", "a.b"},
        {"VERIN", "VERIN", ""},
        {"", "", ""},
        {"A\tb\tc", "A", "b\tc"},
        {"M\ta&b", "M", "a&&b"}, // "&" shown as itself, not as a mnemonic
    };
    for (const auto& c : cas) {
        std::string ligne = c.ligne;
        TEAction d(nullptr, &ligne);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Action"));
        EXPECT_EQ(Trouve<QLineEdit>(d, "101")->text(), QString::fromLatin1(c.action)) << c.ligne;
        EXPECT_EQ(Trouve<QPushButton>(d, "102")->text(), QString::fromLatin1(c.condition)) << c.ligne;
        Clique(d, "1");
        EXPECT_EQ(ligne, c.ligne);
    }
}

TEST(DialogueAction, TypedLettersBecomeUpperCase)
{
    std::string ligne = "moteur";
    TEAction d(nullptr, &ligne);
    auto* edit = Trouve<QLineEdit>(d, "101");
    Tape(edit, QString::fromUtf8(" av=éµß"));
    QApplication::clipboard()->setText(QStringLiteral("+x"));
    QTest::keySequence(edit, QKeySequence::Paste);
    Clique(d, "1");
    // The caller's own letters are kept; those without a capital in the code page too.
    EXPECT_EQ(ligne, "moteur AV=\xC9\xB5\xDF+X");
}

TEST(DialogueAction, ConditionComesFromTheReceptivityDialogAndOneIsDropped)
{
    const struct {
        const char* saisie;
        const char* bouton;
        const char* ligne;
    } cas[] = {
        {"a.b", "a.b", "V\ta.b"},
        {"1", "", "V"},
        {"", "", "V"}, // emptied: the receptivity dialog gives "1"
    };
    for (const auto& c : cas) {
        std::string ligne = "V\tx";
        TEAction d(nullptr, &ligne);
        std::string montre;
        SousDialogue equation([&](QDialog& e) {
            montre = TexteEquation(e);
            auto* texte = Trouve<QPlainTextEdit>(e, "101");
            texte->clear();
            QTest::keyClicks(texte, QString::fromLatin1(c.saisie));
            Clique(e, "1");
            return Resultat(e);
        });
        Clique(d, "102");
        EXPECT_EQ(montre, "x");
        EXPECT_EQ(Trouve<QPushButton>(d, "102")->text(), QString::fromLatin1(c.bouton));
        Clique(d, "1");
        EXPECT_EQ(ligne, c.ligne) << c.saisie;
    }
}

TEST(DialogueAction, CancelledConditionOrDialogChangesNothing)
{
    std::string ligne = "V\tx";
    TEAction d(nullptr, &ligne);
    SousDialogue equation([&](QDialog& e) {
        Trouve<QPlainTextEdit>(e, "101")->setPlainText(QStringLiteral("y"));
        Clique(e, "2");
        return Resultat(e);
    });
    Clique(d, "102");
    EXPECT_EQ(Trouve<QPushButton>(d, "102")->text(), QStringLiteral("x"));
    QTest::keyClicks(Trouve<QLineEdit>(d, "101"), QStringLiteral("W"));
    Clique(d, "2");
    EXPECT_EQ(ligne, "V\tx");
}

TEST(DialogueAction, TheNameListInsertsAnOutputAtTheCaret)
{
    PartieOperative pop;
    SousDialogue liste([&](QDialog& l) {
        EXPECT_EQ(l.windowTitle(), QStringLiteral("Liste des Actions"));
        Trouve<QListWidget>(l, "101")->setCurrentRow(1);
        Clique(l, "1");
        return Resultat(l);
    });
    std::string ligne = "AB\tc";
    TEAction d(nullptr, &ligne);
    Montre(d);
    auto* edit = Trouve<QLineEdit>(d, "101");
    edit->setSelection(1, 1); // "B"
    Trouve<QPushButton>(d, "103")->setFocus();
    Clique(d, "103");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    Clique(d, "1");
    EXPECT_EQ(ligne, "AVERIN_SORTIE\tc");
}

// ---- action list ----

TEST(DialogueActions, ReadsTheItemsAndWritesThemBack)
{
    const std::string longue(50, 'L');
    const struct {
        std::string texte;
        std::vector<std::string> lignes;
        std::string relu;
    } cas[] = {
        {"{a.b}VERIN|MOTEUR|", {"VERIN\ta.b", "MOTEUR"}, "{a.b}VERIN|MOTEUR|"},
        {"VERIN{a}|", {"VERIN\ta"}, "{a}VERIN|"}, // condition after the action
        {"A|B", {"A"}, "A|"},                     // no final "|": the last item is lost
        {"", {}, ""},
        {"|", {""}, "|"},
        {"X{c}Y|Z|", {"Y\tc", "Z"}, "{c}Y|Z|"}, // text before a braced condition then action
        {"{" + longue + "}" + longue + "|", {longue + "\t" + longue}, "{" + longue + "}" + longue + "|"},
    };
    for (const auto& c : cas) {
        std::string texte = c.texte;
        TAction d(nullptr, &texte);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Définition des actions"));
        EXPECT_EQ(Lignes(d), c.lignes) << c.texte;
        auto* liste = Trouve<QListWidget>(d, "101");
        if (!c.lignes.empty()) {
            EXPECT_TRUE(liste->item(0)->isSelected()) << c.texte;
        }
        Clique(d, "1");
        EXPECT_EQ(texte, c.relu) << c.texte;
    }
}

TEST(DialogueActions, EnleverRemovesTheSelectedLineOnly)
{
    std::string texte = "A|B|C|";
    TAction d(nullptr, &texte);
    auto* liste = Trouve<QListWidget>(d, "101");
    liste->clearSelection();
    Clique(d, "103");
    EXPECT_EQ(liste->count(), 3);
    liste->setCurrentRow(1);
    Clique(d, "103");
    EXPECT_EQ(Lignes(d), (std::vector<std::string>{"A", "C"}));
    Clique(d, "103"); // nothing selected any more
    EXPECT_EQ(liste->count(), 2);
    for (int i = 0; i < 2; ++i) {
        liste->setCurrentRow(0);
        Clique(d, "103");
    }
    Clique(d, "1");
    EXPECT_EQ(texte, "");
}

TEST(DialogueActions, AjouterAppendsTheNewLine)
{
    std::string texte = "A|";
    TAction d(nullptr, &texte);
    const char* condition = "c";
    QString action = QStringLiteral("b");
    SousDialogue ajout([&](QDialog& a) {
        EXPECT_EQ(a.windowTitle(), QStringLiteral("Action"));
        EXPECT_EQ(Trouve<QLineEdit>(a, "101")->text(), QString());
        return RemplitAction(a, action, condition);
    });
    Clique(d, "102");
    action.clear();
    condition = nullptr;
    Clique(d, "102"); // an empty line is not added
    EXPECT_EQ(Lignes(d), (std::vector<std::string>{"A", "B\tc"}));
    Clique(d, "1");
    EXPECT_EQ(texte, "A|{c}B|");
}

TEST(DialogueActions, ModifierEditsTheWholeSelectedLineInPlace)
{
    std::string texte = "A|{x.capteur_droit}VERIN_SORTIE_LONGUE|C|";
    TAction d(nullptr, &texte);
    auto* liste = Trouve<QListWidget>(d, "101");
    std::string recue;
    QString action;
    const char* condition = nullptr;
    SousDialogue modification([&](QDialog& a) {
        auto* edit = Trouve<QLineEdit>(a, "101");
        recue = VersOctets(edit->text()) + "|" + VersOctets(Trouve<QPushButton>(a, "102")->text());
        return RemplitAction(a, action, condition);
    });
    // A condition confirmed as "1" is dropped: the item is written without braces.
    liste->setCurrentRow(1);
    action = QStringLiteral("vs");
    condition = "1";
    Clique(d, "104");
    EXPECT_EQ(recue, "VERIN_SORTIE_LONGUE|x.capteur_droit");
    EXPECT_EQ(Lignes(d), (std::vector<std::string>{"A", "VS", "C"}));
    EXPECT_TRUE(liste->item(1)->isSelected());

    // A double click modifies too; a line emptied by the user goes away.
    action.clear();
    condition = nullptr;
    Montre(d);
    const QRect r = liste->visualItemRect(liste->item(0));
    // A real double click: press and release, then the double-click press.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(recue, "A|");
    EXPECT_EQ(Lignes(d), (std::vector<std::string>{"VS", "C"}));

    // Nothing selected: Modifier does nothing.
    liste->clearSelection();
    recue.clear();
    Clique(d, "104");
    EXPECT_EQ(recue, "");
    Clique(d, "1");
    EXPECT_EQ(texte, "VS|C|");
}

TEST(DialogueActions, CancelNeverWrites)
{
    std::string texte = "A|B|";
    TAction d(nullptr, &texte);
    Trouve<QListWidget>(d, "101")->setCurrentRow(0);
    Clique(d, "103");
    Clique(d, "2");
    EXPECT_EQ(texte, "A|B|");
}

// ---- comment ----

TEST(DialogueTexteCommentaire, TypingStopsAt47CharactersAndOkGivesTheText)
{
    std::string tampon;
    DialogueCommentaire d(nullptr, &tampon);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Commentaire"));
    EXPECT_EQ(Trouve<QLabel>(d, "4091")->text(), QString());
    QTest::keyClicks(Trouve<QLineEdit>(d, "4090"), QString(60, QLatin1Char('z')));
    Clique(d, "1");
    EXPECT_EQ(tampon, std::string(47, 'z'));
}

TEST(DialogueTexteCommentaire, ExistingTextIsKeptWholeEditedOrCancelled)
{
    const std::string longue = std::string(55, 'c') + "\x81\n";
    std::string tampon = longue;
    {
        DialogueCommentaire d(nullptr, &tampon);
        Clique(d, "1");
        EXPECT_EQ(tampon, longue); // not cut, bytes without a character kept
    }
    {
        DialogueCommentaire d(nullptr, &tampon);
        Trouve<QLineEdit>(d, "4090")->clear();
        Clique(d, "2");
        EXPECT_EQ(tampon, longue);
    }
    DialogueCommentaire d(nullptr, &tampon);
    Trouve<QLineEdit>(d, "4090")->clear();
    Clique(d, "1");
    EXPECT_EQ(tampon, "");
}

} // namespace
