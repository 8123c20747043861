#pragma once

#include <QString>

#include "files/RegularFile.h"
#include "platform/Dateien.h"
#include "platform/QtText.h"
#include "render/Hintergrunddatei.h"

namespace tafomat {

// The window's messages about files it could not take, in the window's words.

// "Das Hintergrundbild [pfad]" and why it cannot be loaded, as a sentence without its end.
QString Bildzustand(const Bildfehler& fehler, const QString& pfad);
// Message box: a picture chosen with "Hintergrundbild öffnen" that cannot be loaded.
QString Bildmeldung(const Bildfehler& fehler, const QString& pfad);
// Notice line: a design's picture that cannot be loaded, so that the preview shows the built-in
// one; the sentence and the full text.
QString Bildhinweis(const Bildfehler& fehler);
QString BildhinweisGanz(const Bildfehler& fehler, const QString& pfad);
// Message box and notice line: a file that was not saved, and why.
QString Speichermeldung(const WriteFailure& fehler, const QString& pfad);
QString Speicherhinweis(const WriteFailure& fehler, const QString& pfad);
// Message box: a design named at start-up that cannot be read.
QString Einstellungsmeldung(ReadFailure fehler, const QString& pfad);

}  // namespace tafomat
