#pragma once
// The level maker's command line, for making levels in batches:
//   kovra2-editor --auto N [--seed S] [--crop X,Y,W,H] PHOTO -o OUT.DAT
//   kovra2-editor --pair ORIGINAL EDITED [--crop X,Y,W,H] -o OUT.DAT
// Exit 0 with one line per difference; 2 with a one-line message and
// nothing written; 3 when --auto found room for fewer natural differences
// than asked: the level is written with those, and a line says why.
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

class QTextStream;

namespace editor {

constexpr int kExitError = 2;
constexpr int kExitFewer = 3;

struct CommandLine {
    enum Mode { Window, Auto, Pair, Help } mode = Window;
    int count = 7;
    std::uint64_t seed = 1;
    bool hasFrame = false;
    QRect frame;
    bool upscale = false;
    QStringList inputs;
    QString output;
    QString error; // a malformed command line
};

CommandLine parseCommandLine(const QStringList& args); // without the program's name
QString usageText();
// Runs --auto or --pair; returns the exit status.
int runCommandLine(const CommandLine& cl, QTextStream& out, QTextStream& err);

} // namespace editor
