#pragma once

#include <cstdio>
#include <memory>
#include <vector>

#include "elements/SGrafcet.h"

// The diagram container: it owns every element of one diagram, in the order
// in which they were appended. That order decides which element answers a
// lookup by position, and is the order of drawing and of the diagram file.
class Grafcet {
public:
    using ListeSymboles = std::vector<std::unique_ptr<SGrafcet>>;

    Grafcet();
    ~Grafcet();
    Grafcet(const Grafcet&) = delete;
    Grafcet& operator=(const Grafcet&) = delete;

    // Writes the diagram file at the stream's position. Returns false, writing
    // nothing, when the diagram cannot be represented in the file (a text
    // longer than 32767 bytes or more than 32767 records), and false when a
    // write failed.
    bool EFichier(FILE* f) const;

    // Reads a diagram file from the stream's position and appends its elements.
    // Returns false when the file ended before the records it announces: the
    // elements of the complete records are kept, the broken record is not.
    bool LFichier(FILE* f);

    // The element list, in list order.
    const ListeSymboles& Symboles() const { return symboles; }
    // Appends an element the container takes ownership of.
    void AjouteSymbole(std::unique_ptr<SGrafcet> s);

private:
    ListeSymboles symboles;
};
