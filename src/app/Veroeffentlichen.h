#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace tafomat {

// `tafomat publish DESIGN.txt --to URL ...`: uploads the design's server bundle, and checks the
// banner's address afterwards when --url names it. The result is the exit status: 2 for bad
// input, decided before any connection; 1 when the upload or the fetch failed; 3 when the
// address sends another picture.
int Veröffentlichen(QCommandLineParser& parser, const QStringList& argumente);

// `tafomat check DESIGN.txt --url ADDRESS ...`: compares what the address sends with the banner
// of the server's day, in one line: 0 the same, 3 another picture, 1 none, 2 bad input.
int Prüfen(QCommandLineParser& parser, const QStringList& argumente);

}  // namespace tafomat
