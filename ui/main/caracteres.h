#pragma once

#include <cstdint>

// The character codes that the window's key preview hands to its handler:
// ASCII, as 16-bit signed integers, 0 for no character at all.
namespace Caractere {
inline constexpr std::int16_t Aucun = 0;
inline constexpr std::int16_t RetourArriere = 8;
inline constexpr std::int16_t Entree = 13;
inline constexpr std::int16_t Echap = 27;
inline constexpr std::int16_t Virgule = 44;
inline constexpr std::int16_t Point = 46;
inline constexpr std::int16_t Zero = 48;
inline constexpr std::int16_t Neuf = 57;
inline constexpr std::int16_t SupprimerMot = 127; // Ctrl+Backspace
// Any character outside ASCII: an accented letter, a digit of another script.
inline constexpr std::int16_t Inconnu = 255;
} // namespace Caractere
