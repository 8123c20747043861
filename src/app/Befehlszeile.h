#pragma once

#include <QStringList>

namespace tafomat {

// True when the arguments ask for work without the window, so that main can choose the
// offscreen platform before the application starts.
bool ohneFenster(int argc);

// Handles the command line of a started application: the exit status, or -1 when the window
// is to open.
int Befehlszeile(const QStringList& argumente);

}  // namespace tafomat
