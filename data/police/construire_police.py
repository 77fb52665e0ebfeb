#!/usr/bin/env python3
"""Builds Veldra's symbol font, the face of the equation edit control.

The letters, digits and punctuation are taken from a free base font (DejaVu
Sans) and renamed; the three equation symbols are drawn here:

  up arrow    U+2191 and U+00AD (rising-edge code)
  down arrow  U+2193 and U+00AE (falling-edge code)
  overbar     U+203E and U+00AF (negation code), a spacing bar above the
              capitals

The same glyphs are written under three family names, one file each:
"VELDRA" (VELDRA.ttf), "Norim Font" (NorimFont.ttf), "Norim Fonts"
(NorimFonts.ttf). The output depends only on the base font, this script and
the license note: building twice gives the same bytes.

Usage: construire_police.py --base DejaVuSans.ttf --licence LICENSE --sortie DIR
"""

import argparse
import io
import os
import sys

from fontTools import subset
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

FAMILLES = (
    # family, file, PostScript name
    ("VELDRA", "VELDRA.ttf", "VELDRA"),
    ("Norim Font", "NorimFont.ttf", "NorimFont"),
    ("Norim Fonts", "NorimFonts.ttf", "NorimFonts"),
)

# Our glyphs and the code points that show them.
FLECHE_HAUT = "veldra.flechehaut"
FLECHE_BAS = "veldra.flechebas"
BARRE = "veldra.surligne"
NOS_CARACTERES = {
    0x2191: FLECHE_HAUT, 0x00AD: FLECHE_HAUT,
    0x2193: FLECHE_BAS, 0x00AE: FLECHE_BAS,
    0x203E: BARRE, 0x00AF: BARRE,
}

VERSION = "1.000"


def caracteres_de_base():
    """Every character of the product's single-byte code page (Windows-1252)
    but the three equation codes, which show our glyphs instead."""
    codes = set(range(0x20, 0x7F))
    for octet in range(0x80, 0x100):
        try:
            codes.add(ord(bytes([octet]).decode("cp1252")))
        except UnicodeDecodeError:
            pass  # the five bytes the code page leaves undefined
    for octet in (0xAD, 0xAE, 0xAF):
        codes.discard(octet)
    return sorted(codes)


def sens_horaire(points):
    """The contour in TrueType's direction for filled shapes (clockwise with
    y pointing up)."""
    aire = 0
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        aire += x1 * y2 - x2 * y1
    return points if aire < 0 else list(reversed(points))


def glyphe(contours):
    pen = TTGlyphPen(None)
    for points in contours:
        points = sens_horaire(points)
        pen.moveTo(points[0])
        for p in points[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph()


def dessins(em, hauteur_capitales):
    """Our three glyphs, scaled to the base font's em: (name, contours,
    advance width)."""
    def u(fraction):
        return round(em * fraction)

    chasse = u(0.50)
    milieu = chasse // 2
    demi_fut = u(0.0425)       # the stem is as thick as the base's stems
    demi_tete = u(0.19)
    hauteur_tete = u(0.27)
    haut = hauteur_capitales
    base_tete = haut - hauteur_tete

    # Up arrow: stem from the baseline, head ending at the capitals' height.
    haut_fleche = [
        (milieu - demi_fut, 0), (milieu - demi_fut, base_tete),
        (milieu - demi_tete, base_tete), (milieu, haut),
        (milieu + demi_tete, base_tete), (milieu + demi_fut, base_tete),
        (milieu + demi_fut, 0),
    ]
    # Down arrow: the same shape upside down within the same band.
    bas_fleche = [(x, haut - y) for x, y in haut_fleche]

    # Overbar: the whole advance wide so that consecutive bars join, just
    # above the capitals.
    bas_barre = haut + u(0.035)
    barre = [(0, bas_barre), (0, bas_barre + u(0.07)),
             (chasse, bas_barre + u(0.07)), (chasse, bas_barre)]

    return [(FLECHE_HAUT, [haut_fleche], chasse),
            (FLECHE_BAS, [bas_fleche], chasse),
            (BARRE, [barre], chasse)]


def hauteur_des_capitales(police):
    os2 = police["OS/2"]
    if os2.version >= 2 and getattr(os2, "sCapHeight", 0) > 0:
        return os2.sCapHeight
    glyf = police["glyf"]
    h = glyf[police.getBestCmap()[ord("H")]]
    h.recalcBounds(glyf)
    return h.yMax


def ajoute_nos_glyphes(police):
    police.ensureDecompiled()
    glyf = police["glyf"]
    hmtx = police["hmtx"]
    ordre = list(police.getGlyphOrder())
    dessines = dessins(police["head"].unitsPerEm, hauteur_des_capitales(police))
    for nom, _, _ in dessines:
        if nom in ordre:
            raise ValueError(f"the base font already has a glyph named {nom}")
    police.setGlyphOrder(ordre + [nom for nom, _, _ in dessines])
    for nom, contours, chasse in dessines:
        g = glyphe(contours)
        glyf[nom] = g
        g.recalcBounds(glyf)
        hmtx[nom] = (chasse, g.xMin)
    for table in police["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(NOS_CARACTERES)


def sous_ensemble(police, codes):
    options = subset.Options()
    options.hinting = False           # no TrueType instructions to keep in step
    options.layout_features = ["kern"]
    options.notdef_outline = True
    options.glyph_names = True        # keeps our glyph names, checked below
    options.recalc_bounds = True
    options.recalc_timestamp = False
    options.drop_tables += ["MATH", "FFTM"]
    sous = subset.Subsetter(options)
    sous.populate(unicodes=codes)
    sous.subset(police)


def nomme(police, famille, nom_postscript, note_licence, version_base):
    name = police["name"]
    copyright_base = name.getDebugName(0) or ""
    name.names = []
    textes = {
        0: copyright_base.rstrip() + "\nArrows and overbar: the Veldra project.",
        1: famille,
        2: "Regular",
        3: f"{famille} Regular {VERSION}",
        4: famille,
        5: f"Version {VERSION}; derived from DejaVu Sans {version_base}",
        6: nom_postscript,
        10: "Symbol font of the Veldra GRAFCET editor: letters from DejaVu "
            "Sans, up and down arrows and overbar for the equation codes.",
        13: note_licence,
    }
    for ident, texte in textes.items():
        name.setName(texte, ident, 3, 1, 0x409)
        name.setName(texte, ident, 1, 0, 0)
    police["OS/2"].achVendID = "VLDR"
    police["OS/2"].usWeightClass = 400
    police["OS/2"].fsSelection = 1 << 6   # regular
    police["head"].macStyle = 0
    police["head"].fontRevision = float(VERSION)


def construit(base, licence, sortie):
    with open(licence, encoding="utf-8") as f:
        note_licence = f.read().strip()
    police = TTFont(base, recalcTimestamp=False)  # keeps the base's dates
    version_base = (police["name"].getDebugName(5) or "").replace("Version", "").strip()
    codes = caracteres_de_base()
    manquants = [c for c in codes if c not in police.getBestCmap()]
    if manquants:
        raise ValueError("the base font lacks " +
                         " ".join(f"U+{c:04X}" for c in manquants))
    ajoute_nos_glyphes(police)
    sous_ensemble(police, codes + sorted(NOS_CARACTERES))
    commun = io.BytesIO()
    police.save(commun)

    os.makedirs(sortie, exist_ok=True)
    for famille, fichier, nom_postscript in FAMILLES:
        copie = TTFont(io.BytesIO(commun.getvalue()), recalcTimestamp=False)
        nomme(copie, famille, nom_postscript, note_licence, version_base)
        verifie(copie)
        chemin = os.path.join(sortie, fichier)
        provisoire = chemin + ".tmp"
        copie.save(provisoire)
        os.replace(provisoire, chemin)


def verifie(police):
    cmap = police.getBestCmap()
    for code, nom in NOS_CARACTERES.items():
        if cmap.get(code) != nom:
            raise ValueError(f"U+{code:04X} does not show {nom}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--base", required=True, help="the base font (DejaVuSans.ttf)")
    parser.add_argument("--licence", required=True, help="the license note for the name table")
    parser.add_argument("--sortie", required=True, help="the directory of the three files")
    args = parser.parse_args()
    try:
        construit(args.base, args.licence, args.sortie)
    except (OSError, ValueError) as e:
        print(f"construire_police: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
