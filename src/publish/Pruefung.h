#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/Felder.h"
#include "model/Zahlen.h"
#include "publish/Abruf.h"
#include "render/Bild.h"
#include "render/GdSurface.h"

namespace tafomat {

// What the address should send: the banner of any day as the server view draws it, how the
// script encodes it, and the names its error picture would name.
struct Erwartung {
    std::function<std::optional<Bild>(Tageszahl)> banner;
    std::string art;  // "jpeg", "png" or "gif"
    int qualität;     // -1 for gif
    int breite;
    int höhe;
    std::string bildname;     // Windows-1252, as the script names the files
    std::string schriftname;  //
};

// What the design's script sends: the server view of any day over the preview's background,
// in the design's type and quality. It refers to the fields and the preview, which must outlive
// it and stay unchanged while it is used.
Erwartung DesignErwartung(const Felder& felder, const GdSurface& vorschau);

inline constexpr int PrüfungGleich = 0;
inline constexpr int PrüfungNichtErreicht = 1;
inline constexpr int PrüfungAnderesBild = 3;

struct Prüfergebnis {
    int status;
    std::string zeile;  // one line, English
};

// Compares what the address answered with the banner the server should send on its own day,
// which the answer tells: the ETag's end of the day, whose time of day gives the server's zone,
// or else the neighbouring days of the answer's Date.
Prüfergebnis AbrufPrüfen(const Abruf& abruf, const Erwartung& erwartung);

// The day and zone offset (seconds east of UTC) that a day's end, as a Unix instant, belongs
// to: the server's midnight is a whole day in its own zone.
struct Servertag {
    Tageszahl tag;
    int versatz;
};
Servertag ServertagAusTagesende(long long morgen);

}  // namespace tafomat
