#pragma once

#include "model/Felder.h"
#include "model/Zahlen.h"

namespace tafomat {

// Today's date comes in from outside, so that nothing here reads the clock.
class Uhr {
  public:
    virtual ~Uhr() = default;
    virtual Tageszahl heute() const = 0;  // the local calendar date, a whole day number
};

class FesteUhr : public Uhr {
  public:
    explicit FesteUhr(Tageszahl tag) : m_tag(tag) {}
    Tageszahl heute() const override { return m_tag; }

  private:
    Tageszahl m_tag;
};

// Writes TaTxt, GZTxt, GETxt and GSTxt in this order, each step reading what the earlier
// ones wrote. Stops at the first input that cannot be read, or at an overflow; the outputs
// written before stay. Returns whether all four steps completed.
[[nodiscard]] bool AbgeleiteteWerteBerechnen(Felder& felder, const Uhr& uhr);

}  // namespace tafomat
