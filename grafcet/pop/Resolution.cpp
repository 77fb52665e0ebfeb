// Name resolution: which component of the operative part a name in an
// equation or an action designates. The list is searched in list order
// (the step variables first, then the loaded components, last loaded
// first) and the first match wins; labels match as prefixes of the name.
#include <cctype>

#include "pop/POpera.h"

namespace {

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

bool CommencePar(const std::string& nom, const std::string& label)
{
    return nom.compare(0, label.size(), label) == 0;
}

// A memory, bit or word template ("Mxx", "B...", "W...") stands for every
// name made of its letter, in either case, and a decimal digit.
bool Generique(const std::string& nom, const std::string& label)
{
    if (label.empty() || nom.size() < 2 || !EstChiffre(nom[1]))
        return false;
    const char l = label[0];
    if (l != 'M' && l != 'B' && l != 'W')
        return false;
    return nom[0] == l || nom[0] == static_cast<char>(l - 'A' + 'a');
}

bool Correspond(const composant& c, const std::string& nom)
{
    const std::string label = LitChamp(c.label);
    switch (c.nature) {
    case 2:
        return CommencePar(nom, label) || Generique(nom, label);
    case 3: {
        // A trailing digit of the name is a parameter of the carriage function.
        std::size_t n = nom.size();
        if (n > 0 && EstChiffre(nom.back()))
            --n;
        return label.compare(0, n, nom, 0, n) == 0 && (label.size() >= n);
    }
    default:
        return !label.empty() && CommencePar(nom, label);
    }
}

} // namespace

Composant* POpera::Resout(const std::string& n)
{
    for (auto& c : composants) {
        if (Correspond(c.LComposant(), n))
            return &c;
    }
    return nullptr;
}
