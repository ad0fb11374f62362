#pragma once
// How the generator picks colours: plain RGB distance. The rules a finished
// difference is judged by are in rules.h, shared with the validator.
#include "tools/levelgen/rules.h"

#include <QRgb>

namespace levelgen {

int colourDistance(QRgb a, QRgb b); // Euclidean in RGB

} // namespace levelgen
