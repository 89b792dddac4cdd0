#pragma once

#include "edit/drawing_records.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct DrawingState;

// ---------------------------------------------------------------------------
// The ".dna" drawing file: one line per strand ("S" records) and per free
// label ("L" records), every field followed by "|", lines ended by CR LF.
// Coordinates are those of the drawing at zoom size 30.
// ---------------------------------------------------------------------------

// A field that does not parse; what() is the offending text.
class FieldError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Takes the next field off the front of `line`: the text before the first
// "|", which is removed with the field. Without "|" the whole rest is the
// field and the line becomes empty.
std::string_view nextField(std::string_view& line);

// A decimal number as stream extraction reads it (leading white space
// skipped, trailing characters ignored). Throws FieldError for anything else,
// and for values that are not finite floats.
float parseNumber(std::string_view text);

// "0" or "1" (as an integer, leading white space skipped). Throws FieldError otherwise.
bool parseFlag(std::string_view text);

// "G", "C", "A", "T", "U" (exactly) to 0..4; -1 for any other text.
int kindFromLetter(std::string_view text);

// Reads the records of a drawing file's text (CR LF or LF line ends). Unknown
// fields are skipped. Throws FieldError naming the first bad field.
DrawingRecords parseDrawing(std::string_view content);

// Writes the records in the file format, CR LF line ends, 6 significant digits.
std::string formatDrawing(const DrawingRecords& records);

// The map that scales a position by `scale` about `pivot`, exactly as a zoom
// step moves an element. The writer stores the drawing through it as it would
// stand at zoom size 30, without moving anything on screen.
PositionMap scaledAbout(float scale, sf::Vector2f pivot);

// Replaces nothing: appends the strands and labels of `records` to the
// drawing, built at the current text size.
void appendRecords(DrawingState& state, const DrawingRecords& records);

// The largest drawing file this machine's memory can open: an eighth of it.
std::uint64_t largestDrawingFile();

// Reads a whole file. Returns false and sets `error` to one line naming the
// file and the reason when it cannot be read, does not parse, or is larger
// than `sizeLimit` bytes (default: largestDrawingFile()) or than memory allows.
bool readDrawingFile(const std::string& path, DrawingRecords& records, std::string& error,
                     std::uint64_t sizeLimit = largestDrawingFile());

// Writes the text beside the file and renames it over the old one, so a
// failed save never destroys the previous file. Returns false and sets
// `error` to one line naming the file and the reason.
bool writeFileAtomically(const std::string& path, const std::string& content, std::string& error);
// The same, with the text written by `produce`, which returns false when it
// could not write it all.
bool writeFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& produce,
                         std::string& error);

// Saves the drawing to `path` as a drawing file, every position through
// `stored`, written piece by piece beside the file and renamed over it.
// Returns false and sets `error` as writeFileAtomically does.
bool writeDrawingFile(const std::string& path, const DrawingState& state, const PositionMap& stored,
                      std::string& error);
