#pragma once

#include "variables/composant.h"

// A component of an operative part. Two components are the same signal when
// their labels are equal (case matters).
class Composant {
public:
    Composant();
    explicit Composant(const composant& c);
    Composant(const Composant& autre);
    Composant& operator=(const Composant& autre);

    void LComposant(composant& out) const;
    const composant& LComposant() const { return comp; }
    void MComposant(const composant& c);

    bool operator==(const Composant& autre) const;

private:
    composant comp;
};
