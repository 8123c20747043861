#pragma once

#include <optional>

#include "platform/Dialoge.h"

namespace tafomat {

// The background a chosen picture gives: a JPEG of a banner's size as it is; any other picture
// goes through the crop dialog, which may keep a JPEG as it is or writes the banner cut out of
// it beside the photo. Nullopt when the user cancelled or a message said why not.
[[nodiscard]] std::optional<DateiWahl> HintergrundWählen(Dialoge& dialoge, const DateiWahl& wahl);

}  // namespace tafomat
