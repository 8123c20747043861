#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tafomat {

// What the command line asks for: the window, with or without a design to open, or work that
// ends the program with an exit status.
struct Befehl {
    std::optional<int> status;      // set: the program ends with it, no window opens
    std::optional<QString> design;  // the design the window opens with
};

// True unless the arguments call the window: none, or one design file, besides Qt's own
// options (-style, -reverse, ...). Commands, help, version and every bad call run without a
// screen, so main chooses the offscreen platform before the application starts and a bad
// option is answered with the usage line even where no display is.
bool ohneFenster(int argc, const char* const* argv);

// Handles the command line of a started application. mitFenster tells whether the window can
// open on a screen; where it cannot, a call of the window is answered with the usage line.
Befehl Befehlszeile(const QStringList& argumente, bool mitFenster);

}  // namespace tafomat
