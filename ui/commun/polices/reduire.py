#!/usr/bin/python3
"""Makes the faces the windows are drawn in where the system lacks the
designed families, from Debian's font packages (fonts-roboto-unhinted,
fonts-croscore) with python3-fonttools:

    ui/commun/polices/reduire.py

Each face keeps the glyphs of Western European text only, with its kerning
and whatever hinting its source has (Arimo's; Roboto's unhinted source has
none, so Corvane Sans has none either), and takes a family name of its own, so that no font the system
has, of the same origin or not, is ever picked in its place."""
import pathlib

from fontTools import subset
from fontTools.ttLib import TTFont

ICI = pathlib.Path(__file__).resolve().parent
# Latin-1 and Latin Extended-A, French typography's punctuation, the euro.
TEXTE = "U+0020-007E,U+00A0-017F,U+2010-2027,U+2030-203A,U+20AC,U+2122,U+FFFD"
FACES = {
    # For Verdana: an open sans with Verdana's tall lower case, condensed
    # enough for the captions that were fitted to Verdana's hinted widths.
    "CorvaneSans.ttf": ("/usr/share/fonts/truetype/roboto/unhinted/RobotoCondensed-Regular.ttf",
                        "Corvane Sans", "Regular"),
    "CorvaneSans-Bold.ttf": ("/usr/share/fonts/truetype/roboto/unhinted/RobotoCondensed-Bold.ttf",
                             "Corvane Sans", "Bold"),
    # For MS Sans Serif, whose widths are Arial's.
    "CorvaneGrotesque.ttf": ("/usr/share/fonts/truetype/croscore/Arimo-Regular.ttf", "Corvane Grotesque", "Regular"),
}


def renommer(police, famille, style):
    nom = police["name"]
    for identifiant in (16, 17, 21, 22):  # typographic families would group it back with its origin
        nom.removeNames(nameID=identifiant)
    complet = famille if style == "Regular" else f"{famille} {style}"
    for identifiant, texte in ((1, famille), (2, style), (3, f"{complet};Corvane"), (4, complet),
                               (6, complet.replace(" ", "-"))):
        nom.setName(texte, identifiant, 3, 1, 0x409)
        nom.setName(texte, identifiant, 1, 0, 0)


def main():
    options = subset.Options()
    options.hinting = True
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    for fichier, (source, famille, style) in FACES.items():
        police = TTFont(source, recalcTimestamp=False)
        reducteur = subset.Subsetter(options)
        reducteur.populate(unicodes=subset.parse_unicodes(TEXTE))
        reducteur.subset(police)
        renommer(police, famille, style)
        police.save(ICI / fichier)


if __name__ == "__main__":
    main()
