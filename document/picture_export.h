#pragma once

#include <SFML/Graphics/Image.hpp>
#include <string>

struct DrawingState;

// Renders the whole drawing on white at the current zoom: 20 pixels of margin
// left and right, 20 + the menu bar height above and none below, exactly as
// it shows on screen but without selection marks. Drawings larger than the
// graphics card's largest texture are rendered in tiles. Returns false with
// `error` set when no render surface could be made.
bool renderPicture(DrawingState& state, sf::Image& picture, std::string& error);

// Renders the drawing and saves it; the encoder follows the path's ending
// (".jpg", ".png" or ".svg", any letter case; SVG is written by exportSvgFile). Returns false with `error`
// set to one line naming the file and the reason.
bool exportPictureFile(DrawingState& state, const std::string& path, std::string& error);
