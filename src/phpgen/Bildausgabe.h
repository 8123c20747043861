#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// The picture type and quality as the script's output call takes them. The window and the
// command line refuse by this one rule what PHP could not run: a type that is no output
// function, a quality that is no PHP number ("09") or another one ("010" is octal 8), or one
// that GD refuses (png takes a compression level from 0 to 9).

// "jpeg", "png" or "gif" in any letter case, blanks around them dropped: the type in lower
// case. nullopt for any other text.
[[nodiscard]] std::optional<std::string> bildartLesen(std::string_view text);

// 100 for jpeg, 9 for png; gif takes no quality: -1.
int höchsteQualität(const std::string& art);

// Decimal digits, blanks around them dropped, from 0 to the type's highest quality. nullopt
// for any other text, and for gif.
[[nodiscard]] std::optional<int> qualitätLesen(const std::string& art, std::string_view text);

}  // namespace tafomat
