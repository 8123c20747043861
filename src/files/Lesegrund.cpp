#include "files/Lesegrund.h"

namespace tafomat {

Wortlaut Lesegrund(ReadFailure fehler) {
    switch (fehler) {
        case ReadFailure::Missing:
            return {"wurde nicht gefunden", "no such file"};
        case ReadFailure::NotRegular:
            return {"ist keine gewöhnliche Datei", "not a regular file"};
        case ReadFailure::TooLarge:
            return {"ist größer als %1 MB", "larger than %1 MiB"};
        case ReadFailure::Unreadable:
            break;
    }
    return {"lässt sich nicht lesen", "permission denied or read error"};
}

}  // namespace tafomat
