#!/usr/bin/env python3
"""The expected bits of the sizing rows of debit_test.cpp that are not four
cylinders, computed outside the C++: Python's floats are IEEE doubles, and
each line below is one operation, in the order and grouping of the hand
calculation, rounded to double as it goes. Prints the rows to paste.
"""

REFERENCE = dict(Cyl=1998, RegMax=7000, Remplissage=90, Cycle=85, NbInj=4, Lambda=0.88, NbCyl=4,
                 DensiteEss=0.77, Patm=1015, Temp=15)


def calcul_debit(Cyl, RegMax, Remplissage, Cycle, NbInj, Lambda, NbCyl, DensiteEss, Patm, Temp):
    r = Remplissage / 100
    Lambda = Lambda if Lambda != 0 else 0.88
    NbCyl = NbCyl if NbCyl != 0 else 4.0
    DensiteEss = DensiteEss if DensiteEss != 0 else 0.77
    p = (Patm * 101.325) / 1015
    c = Cycle / 100
    c = c if c != 0 else 0.85
    NbInj = NbInj if NbInj != 0 else 4.0
    rho = (288.16 / (Temp + 273.16)) * ((p / 101.325) * 1.225)
    a = DensiteEss * Lambda
    b = a * 14.7
    d = rho / b
    e = Cyl * RegMax
    f = 2 * NbCyl
    g = e / f
    h = d * g
    i = h * r
    VeCyl = i * 0.001
    VeMoteur = ((VeCyl * NbCyl) * 60) / 1000
    DebInj = (VeCyl * NbCyl) / (c * NbInj)
    return VeCyl, VeMoteur, DebInj


LIGNES = [
    ("trois_cylindres", dict(Cyl=1198, RegMax=6000, NbCyl=3, NbInj=3)),
    ("cinq_cylindres", dict(Cyl=2521, RegMax=6500, NbCyl=5, NbInj=5)),
    ("six_cylindres", dict(Cyl=1991, RegMax=7000, NbCyl=6, NbInj=6)),
    ("douze_cylindres_vingt_quatre_injecteurs", dict(Cyl=5998, RegMax=7500, NbCyl=12, NbInj=24)),
]

for nom, changements in LIGNES:
    avec = "; ".join(f"p.{k} = {v}" for k, v in changements.items())
    resultats = ", ".join(repr(v) for v in calcul_debit(**dict(REFERENCE, **changements)))
    print(f'    {{"{nom}", Avec([](auto& p) {{ {avec}; }}), ResultatsDebit{{{resultats}}}}},')
