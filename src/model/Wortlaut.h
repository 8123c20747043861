#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tafomat {

// The window speaks German, the command line English. A reason that both tell is written once,
// in both languages side by side, by the module that knows the reason.
enum class Sprache { Deutsch, Englisch };

// One text in both languages, in UTF-8, with %1, %2, ... where values go.
struct Wortlaut {
    std::string_view deutsch;
    std::string_view englisch;

    std::string_view in(Sprache sprache) const {
        return sprache == Sprache::Deutsch ? deutsch : englisch;
    }
};

// The text with each %1 to %9 replaced by the value of that rank, in one pass: a value that itself
// holds "%2" stays as it is. A placeholder without a value stays too.
std::string einsetzen(std::string_view text, std::initializer_list<std::string_view> werte);

}  // namespace tafomat
