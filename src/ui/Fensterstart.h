#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tafomat {

// What the command line asks of a program that starts with its window: an exit status that ends
// it before the window opens, or the window, with a design to open if one is named.
struct Fensterauftrag {
    std::optional<int> status;      // set: the program ends with it, no window opens
    std::optional<QString> design;  // the design the window opens with
};

// Starts the application with its window. `befehlszeile` reads the arguments that Qt's own
// options leave; unless it ends the program, the window shows, with the design it names read
// in, until it is closed. The result is the exit status.
[[nodiscard]] int FensterStarten(
    int& argc, char** argv, const std::function<Fensterauftrag(const QStringList&)>& befehlszeile);

}  // namespace tafomat
