#pragma once
// How the series of a chart are told apart: a colour from a palette that
// colour-blind readers can separate (Okabe and Ito's), and a texture over
// it (none, stripes, dots, hatching ...) that still separates them printed
// in black and white.

#include <string>

namespace velmora::cli::report {

// The colour of series `index`, "#0072B2" ...; the palette repeats after seven.
std::string seriesColour(int index);

// An SVG <pattern> with id `id` that paints series `index`: its colour,
// textured with the texture of `index` (six textures, repeating).
std::string seriesPattern(const std::string& id, int index);

}  // namespace velmora::cli::report
