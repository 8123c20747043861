#pragma once

#include "platform/Dialoge.h"

namespace tafomat {

// The window as a benchmark has it: no dialog ever opens.
class KeineDialoge : public Dialoge {
  public:
    std::optional<DateiWahl> DateiDialogÖffnen(const QString&) override { return std::nullopt; }
    std::optional<QString> DateiDialogSpeichern(const QString&) override { return std::nullopt; }
    void Meldung(const QString&) override {}
};

}  // namespace tafomat
