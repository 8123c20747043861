#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "model/Zahlen.h"

namespace tafomat {

// What the script's placeholder variables hold when its drawing calls run: the texts PHP hands
// to ImageTTFText, as Windows-1252 bytes. The numbers are PHP's own: whole cents as written
// into the script, and an int that leaves PHP's range becomes a float, written with 14
// significant digits ("1.0E+20").
struct ServerWerte {
    std::string datum;
    std::string tage;
    std::string alteKosten;
    std::string kippen;
    std::string alleKippen;
    std::string anschaffung;
    std::string neueKosten;
    std::string gespart;
    std::string steuern;
    std::string fiskus;
};

// The values of the script made from these fields, on the server's calendar day `heute` (in
// its own time zone; a time of day does not count). nullopt where the script could not be made
// from the inputs (the template, type and quality are not looked at), and for a day beyond
// 10^15 days from the start.
std::optional<ServerWerte> ServerWerteBerechnen(const Felder& felder, Tageszahl heute);

}  // namespace tafomat
