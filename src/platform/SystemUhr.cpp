#include "platform/SystemUhr.h"

#include <QDate>

namespace tafomat {

Tageszahl SystemUhr::heute() const {
    const QDate heute = QDate::currentDate();
    return tageszahl({heute.year(), heute.month(), heute.day()});
}

}  // namespace tafomat
