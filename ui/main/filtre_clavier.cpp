#include "filtre_clavier.h"

void FiltreClavier(std::int16_t& KeyAscii)
{
    constexpr std::int16_t Retour = 8, Virgule = 44, Point = 46, Zero = 48, Neuf = 57;
    if (KeyAscii == Virgule || KeyAscii == Retour)
        return;
    if (KeyAscii == Point)
        KeyAscii = Virgule;
    else if (KeyAscii < Zero || KeyAscii > Neuf)
        KeyAscii = 0;
}
