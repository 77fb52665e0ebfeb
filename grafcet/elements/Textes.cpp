#include "elements/Textes.h"

#include "elements/Transition.h"

// ---- comment ----

CText::CText(short px, short py) : SGrafcet(COMMENTAIRE, px, py, px, px + 10, py + 20) {}
CText::CText(TPoint a) : CText(static_cast<short>(a.x), static_cast<short>(a.y)) {}
CText::CText(TPoint a, const TRect& r, const char* t) : SGrafcet(COMMENTAIRE, a, r), texte(t ? t : "")
{
}
CText::CText(const CText* autre) : SGrafcet(autre), texte(autre->texte) {}
CText& CText::operator=(const CText* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        texte = autre->texte;
    }
    return *this;
}
void CText::LString(std::string& s) { s = texte; }
void CText::MString(std::string s)
{
    texte = std::move(s);
    rect.right = x + 3 * static_cast<int>(texte.size());
}
void CText::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritTexte(f, texte);
}

// ---- action block ----

Action::Action(short px, short py) : SGrafcet(ACTION, px, py, px - 4, px + 35, py + 20) {}
Action::Action(TPoint a) : Action(static_cast<short>(a.x), static_cast<short>(a.y)) {}
Action::Action(TPoint a, const TRect& r, const char* t) : SGrafcet(ACTION, a, r), texte(t ? t : "")
{
}
Action::Action(const Action* autre) : SGrafcet(autre), texte(autre->texte) {}
Action& Action::operator=(const Action* autre)
{
    if (autre != this) {
        SGrafcet::operator=(autre);
        texte = autre->texte;
    }
    return *this;
}
void Action::LString(std::string& s) { s = texte; }
void Action::MString(std::string s)
{
    texte = std::move(s);
    if (texte.empty()) {
        rect.right = x + 35;
        return;
    }
    // Each item counts the wider of its action and its condition; what
    // follows the last "|" is not an item yet and is not counted.
    int dehors = 0;
    int dedans = 0;
    bool entreAccolades = false;
    int total = 0;
    for (char c : texte) {
        if (c == '{') {
            entreAccolades = true;
        } else if (c == '}') {
            entreAccolades = false;
        } else if (c == '|') {
            total += (dehors > dedans ? dehors : dedans) + 3;
            dehors = dedans = 0;
            entreAccolades = false;
        } else if (entreAccolades) {
            ++dedans;
        } else {
            ++dehors;
        }
    }
    rect.right = x + 4 * total;
}
void Action::EFichier(FILE* f)
{
    EcritEntete(f);
    EcritTexte(f, texte);
}
