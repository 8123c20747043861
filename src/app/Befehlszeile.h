#pragma once

#include <QString>
#include <QStringList>

#include "ui/Fensterstart.h"

namespace tafomat {

// True unless the arguments call the window: none, or one design file, besides Qt's own
// options (-style, -reverse, ...). Commands, help, version and every bad call run without a
// screen and without any window system, so that a bad option is answered with the usage line
// even where no display is.
bool ohneFenster(int argc, const char* const* argv);

// Handles the command line of a started application. mitFenster tells whether the window can
// open on a screen; where it cannot, a call of the window is answered with the usage line.
[[nodiscard]] Fensterauftrag Befehlszeile(const QStringList& argumente, bool mitFenster);

// Runs a command line that calls no window (ohneFenster) in a started QCoreApplication, which
// takes none of Qt's own options: they are left out here as the window's application leaves them
// out. The result is the exit status.
[[nodiscard]] int BefehlAusführen(const QStringList& argumente);

}  // namespace tafomat
