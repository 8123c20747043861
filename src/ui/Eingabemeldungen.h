#pragma once

#include <QString>

#include <cstddef>
#include <string>

#include "model/Eingabefehler.h"
#include "model/Feld.h"

namespace tafomat {

// The window's words for inputs that cannot be read and template commands that cannot be
// drawn: what is wrong, in one sentence, and what to do.
struct Befund {
    QString satz;
    QString rat;
    QString ganz() const { return rat.isEmpty() ? satz : satz + QLatin1Char(' ') + rat; }
};

// The field as its label names it: "#1 Datum des Beginns".
QString Feldbezeichnung(Feld feld);
// Why the field's text cannot be read.
Befund Lesebefund(Feld feld, Lesefehler fehler, const std::string& text);
// A size of the size list that the preview cannot draw.
Befund Größenbefund(const std::string& text);
// An amount or count with a point that reads as a thousands mark; wert is how it reads.
Befund Punktbefund(const std::string& text, double wert);
// The template's command or text at `stelle` (counted from 1) that cannot be drawn; the
// sentence names its line.
Befund Vorlagenbefund(const std::string& vorlage, std::size_t stelle);

// The message of "Php-Quelltext erstellen und speichern" for a design that gives no script.
QString KeinSkript(const QString& grund);

}  // namespace tafomat
