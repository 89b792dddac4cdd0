#include "document/drawing_text_writer.h"

#include <charconv>
#include <utility>

DrawingTextWriter::DrawingTextWriter(Sink textSink, std::size_t piece)
    : sink(std::move(textSink)), pieceSize(piece) {
    // A base adds at most some 30 bytes, so the buffer grows past the piece
    // size by a line's header at most.
    buffer.reserve(pieceSize + 4096);
}

void DrawingTextWriter::strand(const StrandRecord& s, std::size_t) {
    buffer += "S|";
    appendInt(s.color.r);
    appendInt(s.color.g);
    appendInt(s.color.b);
    appendText(s.fiveText);
    appendNumber(s.fivePosition.x);
    appendNumber(s.fivePosition.y);
    appendText(s.threeText);
    appendNumber(s.threePosition.x);
    appendNumber(s.threePosition.y);
    buffer += s.endLabelsVisible ? "1|" : "0|";
    spill();
}

void DrawingTextWriter::base(const StrandRecord::Base& b) {
    buffer += "GCATU"[b.kind];
    buffer += '|';
    appendNumber(b.position.x);
    appendNumber(b.position.y);
    spill();
}

void DrawingTextWriter::endStrand() {
    buffer += "\r\n";
    spill();
}

void DrawingTextWriter::label(const LabelRecord& l) {
    buffer += "L|";
    appendText(l.text);
    appendNumber(l.position.x);
    appendNumber(l.position.y);
    buffer += "\r\n";
    spill();
}

bool DrawingTextWriter::finish() {
    if (!sinkFailed && !buffer.empty()) sinkFailed = !sink(buffer);
    buffer.clear();
    return !sinkFailed;
}

// Texts never hold "|" (the edit boxes strip it) and labels hold one line;
// dropping both here keeps every file readable as it was written.
void DrawingTextWriter::appendText(const std::string& text) {
    for (char c : text)
        if (c != '|' && c != '\r' && c != '\n') buffer += c;
    buffer += '|';
}

// Six significant digits, as a standard output stream prints a float (the
// "%g" of printf, which to_chars reproduces without the locale).
void DrawingTextWriter::appendNumber(float value) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<double>(value),
                                       std::chars_format::general, 6);
    buffer.append(digits, written.ptr);
    buffer += '|';
}

void DrawingTextWriter::appendInt(int value) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    buffer.append(digits, written.ptr);
    buffer += '|';
}

void DrawingTextWriter::spill() {
    if (buffer.size() < pieceSize) return;
    if (!sinkFailed) sinkFailed = !sink(buffer);
    buffer.clear();
}
