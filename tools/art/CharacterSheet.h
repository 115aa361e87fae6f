// One review sheet per character: every head she has (with her hair) in the top row, every
// pose (with the calm head) below, each labelled with its part name.
#pragma once
#include "PartLibrary.h"

#include <QString>

// Writes <folder>/<key>.png; throws when a part cannot be composed.
void writeCharacterSheet(PartLibrary& parts, const QString& key, const QString& folder);
