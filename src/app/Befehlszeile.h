#pragma once

#include <QStringList>

namespace tafomat {

// True when the arguments ask for work without the window (a command such as export, or help
// and version), so that main can choose the offscreen platform before the application starts.
// Qt's own options (-style, -reverse, ...) still open the window on the user's screen.
bool ohneFenster(int argc, const char* const* argv);

// Handles the command line of a started application: the exit status, or -1 when the window
// is to open.
int Befehlszeile(const QStringList& argumente);

}  // namespace tafomat
