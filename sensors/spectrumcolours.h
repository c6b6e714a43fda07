#pragma once

#include <QColor>

// The colour of a wavelength as the spectrum curve's fill shows it: the
// visible spectrum from violet to dark red, then grey-red towards 940 nm.
namespace SpectrumColours {

// The colour of `nanometres`; grey (128, 128, 128) outside 380 to 940 nm.
[[nodiscard]] QColor wavelengthColour(double nanometres);

} // namespace SpectrumColours
