#pragma once

#include "files/RegularFile.h"
#include "model/Wortlaut.h"

namespace tafomat {

// Why a file cannot be read; %1 is the largest size taken, in MiB. The German is the end of a
// sentence that names the file ("Die Datei [a.txt] wurde nicht gefunden").
Wortlaut Lesegrund(ReadFailure fehler);

}  // namespace tafomat
