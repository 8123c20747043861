#pragma once

class QWidget;

namespace tafomat {

struct Steuerelemente;

// What a screen reader announces: every input field by its own label (the labels become the
// fields' buddies) or by a name of its own where no label fits, the palette and the preview with
// a name and a short description, captions without the blanks that leave room for icons.
void ZugänglichMachen(const Steuerelemente& s, QWidget& fenster);

}  // namespace tafomat
