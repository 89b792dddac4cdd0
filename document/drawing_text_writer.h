#pragma once

#include "edit/drawing_records.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Writes the text of a drawing file from a drawing's content as it is
// visited: one line per strand ("S" records) and per free label ("L"
// records), every field followed by "|", lines ended by CR LF, numbers with
// six significant digits. The text goes to a sink in pieces, so that saving
// a drawing of millions of bases never holds its whole text.
class DrawingTextWriter final : public RecordVisitor {
  public:
    // Receives the next piece of text; returns false when it cannot take it.
    using Sink = std::function<bool(std::string_view)>;

    // Hands the text to `sink` in pieces of about `pieceSize` bytes (default a megabyte).
    explicit DrawingTextWriter(Sink sink, std::size_t pieceSize = std::size_t(1) << 20);

    void strand(const StrandRecord& header, std::size_t baseCount) override;
    void base(const StrandRecord::Base& base) override;
    void endStrand() override;
    void label(const LabelRecord& label) override;
    // Hands over the rest of the text. False when the sink refused any piece
    // (nothing more was offered to it after that).
    bool finish();

  private:
    void appendText(const std::string& text);
    void appendNumber(float value);
    void appendInt(int value);
    void spill();

    Sink sink;
    std::size_t pieceSize;
    std::string buffer;
    bool sinkFailed = false;
};
