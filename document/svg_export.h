#pragma once

#include <string>

struct DrawingState;

// ---------------------------------------------------------------------------
// The drawing as an SVG picture: the same size, margins and content as the
// PNG export (white background, letters, links, connectors, shown end labels
// and free labels, no selection marks), with every text as real SVG text in
// DejaVu Sans so that figures stay sharp and searchable.
// ---------------------------------------------------------------------------

// Text made safe for XML character data and attribute values: &, <, >, " and
// ' become entity references, tab, line feed and carriage return become
// character references, and every other control character (which XML 1.0
// cannot hold at all) becomes U+FFFD.
std::string escapeXml(const std::string& text);

// The SVG document of the drawing at the current zoom.
std::string svgPicture(const DrawingState& state);

// Writes svgPicture() to `path`; the old file is replaced only once the new
// one is complete. Returns false with `error` set to one line naming the file
// and the reason.
bool exportSvgFile(const DrawingState& state, const std::string& path, std::string& error);
