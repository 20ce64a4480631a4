#!/usr/bin/env python3
"""Draws Corvane's pictures: the program icon (16 and 32 pixels, 16 colours,
the 32-pixel image blank) as PNG files and as a Windows .ico, and the fuel
injector behind the About window (93 x 73, 24-bit, grey on grey).

Run it from this folder after changing a drawing; the files it writes are
committed so that building needs no Python.
"""
import struct
import zlib

# The 16 colours of the classic VGA palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT, NOIR, GRIS_FONCE, GRIS, ROUGE, BLANC = None, 0, 8, 7, 9, 15


def bloc(nom, donnees):
    """One PNG chunk: length, name, data, CRC."""
    return (struct.pack(">I", len(donnees)) + nom + donnees
            + struct.pack(">I", zlib.crc32(nom + donnees) & 0xFFFFFFFF))


def png(largeur, hauteur, lignes, type_couleur, extra=b""):
    """lignes: the raw bytes of each row, without the filter byte."""
    profondeur = 8
    entete = struct.pack(">IIBBBBB", largeur, hauteur, profondeur, type_couleur, 0, 0, 0)
    brut = b"".join(b"\0" + ligne for ligne in lignes)
    return (b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", entete) + extra
            + bloc(b"IDAT", zlib.compress(brut, 9)) + bloc(b"IEND", b""))


def png_palette(pixels):
    """pixels: rows of palette indexes, None for transparent."""
    hauteur, largeur = len(pixels), len(pixels[0])
    transparent = 16  # one more entry, fully transparent
    plte = b"".join(bytes(c) for c in PALETTE) + bytes(3)
    trns = bytes([255] * 16 + [0])
    lignes = [bytes(transparent if p is None else p for p in ligne) for ligne in pixels]
    return png(largeur, hauteur, lignes, 3, bloc(b"PLTE", plte) + bloc(b"tRNS", trns))


def bmp_ico(pixels):
    """A 4-bit icon image with its AND mask, as stored inside an .ico file."""
    hauteur, largeur = len(pixels), len(pixels[0])
    entete = struct.pack("<IiiHHIIiiII", 40, largeur, hauteur * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    couleurs = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    xor, et = b"", b""
    pas_xor = ((largeur * 4 + 31) // 32) * 4
    pas_et = ((largeur + 31) // 32) * 4
    for ligne in reversed(pixels):
        octets = bytearray(pas_xor)
        masque = bytearray(pas_et)
        for x, p in enumerate(ligne):
            index = 0 if p is None else p
            octets[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if p is None:
                masque[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(octets)
        et += bytes(masque)
    return entete + couleurs + xor + et


def ico(images):
    entete = struct.pack("<HHH", 0, 1, len(images))
    repertoire, donnees = b"", b""
    position = 6 + 16 * len(images)
    for pixels in images:
        bmp = bmp_ico(pixels)
        cote = len(pixels)
        repertoire += struct.pack("<BBBBHHII", cote, cote, 16, 0, 1, 4, len(bmp), position)
        donnees += bmp
        position += len(bmp)
    return entete + repertoire + donnees


def icone16():
    """A small injector: body, red band, nozzle."""
    p = [[TRANSPARENT] * 16 for _ in range(16)]
    for y in range(1, 4):       # electrical connector
        for x in range(6, 10):
            p[y][x] = NOIR
    for y in range(4, 11):      # body
        for x in range(4, 12):
            p[y][x] = GRIS_FONCE if x in (4, 11) else GRIS
    for x in range(4, 12):      # red band
        p[7][x] = ROUGE
    for y in range(11, 14):     # nozzle
        for x in range(7, 9):
            p[y][x] = GRIS_FONCE
    p[14][7] = p[14][8] = BLANC  # spray
    p[15][6] = p[15][9] = BLANC
    return p


def injecteur(echelle=1):
    """93 x 73 (times echelle, for high-DPI screens), RGB: a side view of a
    top-feed injector, greys on grey."""
    fond = (192, 192, 192)
    image = [[fond] * (93 * echelle) for _ in range(73 * echelle)]

    def rectangle(x0, y0, x1, y1, couleur):
        for y in range(y0 * echelle, y1 * echelle):
            for x in range(x0 * echelle, x1 * echelle):
                image[y][x] = couleur

    sombre, moyen, clair, blanc = (96, 96, 96), (128, 128, 128), (160, 160, 160), (224, 224, 224)
    rectangle(36, 4, 58, 12, moyen)     # fuel inlet
    rectangle(32, 12, 62, 16, sombre)   # O-ring
    rectangle(30, 16, 64, 44, clair)    # body
    rectangle(30, 16, 33, 44, blanc)    # highlight
    rectangle(61, 16, 64, 44, moyen)    # shade
    rectangle(64, 22, 80, 32, moyen)    # electrical connector
    rectangle(78, 20, 84, 34, sombre)
    rectangle(32, 44, 62, 48, sombre)   # lower O-ring
    rectangle(38, 48, 56, 60, moyen)    # nozzle body
    rectangle(44, 60, 50, 66, sombre)   # nozzle tip
    for i in range(6):                  # spray cone
        rectangle(46 - i * 2, 66 + i, 48 + i * 2, 67 + i, blanc if i % 2 else clair)
    return [bytes(v for pixel in ligne for v in pixel) for ligne in image]


def main():
    petite = icone16()
    vide = [[TRANSPARENT] * 32 for _ in range(32)]
    with open("corvane-16.png", "wb") as f:
        f.write(png_palette(petite))
    with open("corvane-32.png", "wb") as f:
        f.write(png_palette(vide))
    with open("corvane.ico", "wb") as f:
        f.write(ico([petite, vide]))
    with open("injecteur.png", "wb") as f:
        f.write(png(93, 73, injecteur(), 2))
    with open("injecteur@2x.png", "wb") as f:
        f.write(png(186, 146, injecteur(2), 2))


if __name__ == "__main__":
    main()
