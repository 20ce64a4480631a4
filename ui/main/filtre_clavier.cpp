#include "filtre_clavier.h"

#include "caracteres.h"

void FiltreClavier(std::int16_t& KeyAscii)
{
    using namespace Caractere;
    if (KeyAscii == Virgule || KeyAscii == RetourArriere)
        return;
    if (KeyAscii == Point)
        KeyAscii = Virgule;
    else if (KeyAscii < Zero || KeyAscii > Neuf)
        KeyAscii = Aucun;
}
