#include "model/Wortlaut.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace tafomat {
namespace {

struct Einsetzfall {
    const char* name;
    std::string_view text;
    std::initializer_list<std::string_view> werte;
    std::string ergebnis;
};

// As QString::arg with several values, which the messages' texts were written for.
TEST(Wortlaut, EinsetzenFillsEachPlaceholderInOnePass) {
    const Einsetzfall fälle[] = {
        {"in order", "%1 x %2 pixels", {"8190", "20"}, "8190 x 20 pixels"},
        {"by rank, not by place", "%2: %1", {"a", "b"}, "b: a"},
        {"a value is not read again", "[%1] und [%2]", {"%2", "x"}, "[%2] und [x]"},
        {"a placeholder without value stays", "%1 %3", {"a"}, "a %3"},
        {"a percent sign alone stays", "100 % %", {"a"}, "100 % %"},
        {"UTF-8 around and inside", "„%1“ ist größer", {"ä€"}, "„ä€“ ist größer"},
    };
    for (const Einsetzfall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(einsetzen(fall.text, fall.werte), fall.ergebnis);
    }
}

}  // namespace
}  // namespace tafomat
