#pragma once

struct AppState;

// Opens "StrandColorWindow" ("Set the color of a DNA strand", 500 x 250) for
// the one active strand. Its colour is kept in `chosenColor`; the red, green
// and blue sliders (0 to 254) start at that colour, or at a random colour
// for a strand in the default letter colours, and every slider move shows the
// mix on the swatch and on the strand at once. Apply keeps the mix (or the
// default colours when "Use default colors" is ticked); Cancel and the close
// button give the strand back `chosenColor`. Does nothing without exactly one
// active strand or while the window is already open.
void OpenStrandColorWindow(AppState& app);
