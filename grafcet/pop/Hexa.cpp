#include "pop/Hexa.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace hexa {

bool Lit(const std::string& texte, int base, int& out)
{
    const char* debut = texte.c_str();
    char* fin = nullptr;
    errno = 0;
    const long long v = std::strtoll(debut, &fin, base);
    if (fin == debut)
        return false;
    // Like a 32-bit conversion: what does not fit keeps its low bits.
    out = static_cast<int>(static_cast<unsigned long long>(v) & 0xFFFFFFFFull);
    return true;
}

} // namespace hexa
