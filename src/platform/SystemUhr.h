#pragma once

#include "model/Abgeleitet.h"

namespace tafomat {

// Today's local calendar date from the system clock.
class SystemUhr : public Uhr {
  public:
    Tageszahl heute() const override;
};

}  // namespace tafomat
