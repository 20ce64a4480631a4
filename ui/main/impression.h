#pragma once

#include <QPrinter>
#include <QString>

#include <memory>
#include <optional>

class QPixmap;

// The system's default printer with its current settings; nothing when the
// system has none.
std::unique_ptr<QPrinter> ImprimanteParDefaut();

// Prints one page holding the picture at the page origin, at the size it has
// on a 96-dpi screen, and ends the job. Returns what went wrong, in French,
// when the printer refused it.
std::optional<QString> ImprimerImage(QPrinter& imprimante, const QPixmap& image);
