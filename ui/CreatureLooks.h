// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

struct TTank;

// How the census window shows a species (1 to 20): its name in the user's language, its
// colour in the graphs, and its first frame with the water made transparent.
QString SpeciesName(int number);
QColor SpeciesColour(int number);
QPixmap SpeciesPicture(const TTank& tank, int number);
