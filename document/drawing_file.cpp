#include "document/drawing_file.h"

#include "document/drawing_text_writer.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"
#include "platform/memory_size.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <sstream>

// ---------------------------------------------------------------------------
// Fields
// ---------------------------------------------------------------------------

std::string_view nextField(std::string_view& line) {
    std::size_t bar = line.find('|');
    std::string_view field = line.substr(0, bar);
    line.remove_prefix(bar == std::string_view::npos ? line.size() : bar + 1);
    return field;
}

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view skipSpace(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

[[noreturn]] void badField(std::string_view text) {
    throw FieldError(std::string(text));
}

} // namespace

float parseNumber(std::string_view text) {
    std::string_view rest = skipSpace(text);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // Stream extraction reads plain decimal numbers only: no "inf", "nan" or hexadecimal.
    if (rest.empty() || !(std::isdigit(static_cast<unsigned char>(rest.front())) || rest.front() == '.'))
        badField(text);
    float value = 0.f;
    auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value)) badField(text);
    (void)end;
    return negative ? -value : value;
}

bool parseFlag(std::string_view text) {
    std::string_view rest = skipSpace(text);
    if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
    long value = -1;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    (void)end;
    if (error != std::errc() || (value != 0 && value != 1)) badField(text);
    return value == 1;
}

int kindFromLetter(std::string_view text) {
    if (text.size() != 1) return -1;
    switch (text.front()) {
    case 'G':
        return 0;
    case 'C':
        return 1;
    case 'A':
        return 2;
    case 'T':
        return 3;
    case 'U':
        return 4;
    default:
        return -1;
    }
}

// ---------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------

namespace {

// A colour component: a number truncated toward zero, then its low 8 bits.
sf::Uint8 parseComponent(std::string_view text) {
    float value = parseNumber(text);
    if (std::fabs(value) >= 2147483648.f) badField(text);
    return static_cast<sf::Uint8>(static_cast<long>(value) & 255);
}

sf::Vector2f parsePoint(std::string_view& line) {
    float x = parseNumber(nextField(line));
    float y = parseNumber(nextField(line));
    return {x, y};
}

StrandRecord parseStrand(std::string_view& line) {
    StrandRecord s;
    sf::Uint8 r = parseComponent(nextField(line));
    sf::Uint8 g = parseComponent(nextField(line));
    sf::Uint8 b = parseComponent(nextField(line));
    s.color = sf::Color(r, g, b, 255);
    s.fiveText = std::string(nextField(line));
    s.fivePosition = parsePoint(line);
    s.threeText = std::string(nextField(line));
    s.threePosition = parsePoint(line);
    s.endLabelsVisible = parseFlag(nextField(line));
    // A base usually takes about 16 bytes ("G|412.5|300.25|"); room for that
    // many saves most of the regrowth on long strands.
    s.bases.reserve(line.size() / 16);
    while (!line.empty()) {
        std::string_view letter = nextField(line);
        int kind = kindFromLetter(letter);
        if (kind < 0) badField(letter);
        sf::Vector2f position = parsePoint(line);
        s.bases.push_back({kind, position});
    }
    return s;
}

} // namespace

DrawingRecords parseDrawing(std::string_view content) {
    DrawingRecords records;
    while (!content.empty()) {
        std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        while (!line.empty()) {
            std::string_view field = nextField(line);
            if (field == "S") {
                records.strands.push_back(parseStrand(line));
            } else if (field == "L") {
                LabelRecord label;
                label.text = std::string(nextField(line));
                label.position = parsePoint(line);
                records.labels.push_back(std::move(label));
            }
            // Any other field is skipped; the next field of the line is examined.
        }
    }
    return records;
}

namespace {

bool readWithin(const std::string& path, DrawingRecords& records, std::string& error,
                std::uint64_t sizeLimit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be opened (" + std::strerror(errno) + ")";
        return false;
    }
    // A plain file is read in one piece into a text of its size (a drawing of
    // a million bases is some 18 MB; a stream buffer would copy it twice
    // more); anything else (a pipe) chunk by chunk. A folder opens but is no file.
    std::error_code kindError;
    const auto kind = std::filesystem::status(path, kindError).type();
    if (kind == std::filesystem::file_type::directory) {
        error = path + ": is a folder, not a drawing file";
        return false;
    }
    std::string content;
    bool complete = false;
    if (kind == std::filesystem::file_type::regular) {
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size > 0 && static_cast<std::uint64_t>(size) > sizeLimit) {
            error = path + ": too large to open with this machine's memory (" +
                    std::to_string(size / (1 << 20)) + " MB)";
            return false;
        }
        if (size >= 0) {
            content.resize(static_cast<std::size_t>(size));
            in.read(content.data(), size);
            complete = !in.bad() && in.gcount() == size;
        }
    } else {
        char chunk[1 << 16];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            content.append(chunk, static_cast<std::size_t>(in.gcount()));
            if (content.size() > sizeLimit) {
                error = path + ": too large to open with this machine's memory";
                return false;
            }
        }
        complete = in.eof() && !in.bad();
    }
    if (!complete) {
        error = path + ": cannot be read";
        return false;
    }
    try {
        records = parseDrawing(content);
    } catch (const FieldError& e) {
        std::string field = e.what();
        if (field.size() > 40) field = field.substr(0, 40) + "...";
        error = path + ": not a drawing file (bad field \"" + field + "\")";
        return false;
    }
    return true;
}

} // namespace

std::uint64_t largestDrawingFile() {
    const std::uint64_t memory = physicalMemoryBytes();
    if (memory == 0) return std::numeric_limits<std::uint64_t>::max();
    // An open drawing takes some eight times its file's size (a base is 18
    // bytes of text and about 150 in the editor).
    return memory / 8;
}

bool readDrawingFile(const std::string& path, DrawingRecords& records, std::string& error,
                     std::uint64_t sizeLimit) {
    try {
        return readWithin(path, records, error, sizeLimit);
    } catch (const std::bad_alloc&) {
        records = DrawingRecords();
        error = path + ": too large to open with this machine's memory";
        return false;
    }
}

// ---------------------------------------------------------------------------
// Writing
// ---------------------------------------------------------------------------

std::string formatDrawing(const DrawingRecords& records) {
    std::string out;
    DrawingTextWriter writer([&out](std::string_view piece) {
        out += piece;
        return true;
    });
    visitRecords(records, writer);
    writer.finish();
    return out;
}

PositionMap scaledAbout(float scale, sf::Vector2f pivot) {
    // The same float arithmetic as an element's rescale: position - (k v - v)
    // with v = pivot - position.
    return [scale, pivot](sf::Vector2f position) {
        sf::Vector2f v = pivot - position;
        return position - (scale * v - v);
    };
}

bool writeDrawingFile(const std::string& path, const DrawingState& state, const PositionMap& stored,
                      std::string& error) {
    return writeFileAtomically(
        path,
        [&](std::ostream& out) {
            DrawingTextWriter writer([&out](std::string_view piece) {
                out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                return static_cast<bool>(out);
            });
            visitRecords(state, stored, writer);
            return writer.finish();
        },
        error);
}

void appendRecords(DrawingState& state, const DrawingRecords& records) {
    const auto asStored = [](sf::Vector2f p) { return p; };
    for (const StrandRecord& s : records.strands)
        state.strands.push_back(strandFromRecord(state, s, asStored));
    for (const LabelRecord& l : records.labels)
        state.labels.push_back(std::make_unique<Label>(state, l.position.x, l.position.y, l.text));
}

bool writeFileAtomically(const std::string& path, const std::string& content, std::string& error) {
    return writeFileAtomically(
        path,
        [&content](std::ostream& out) {
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
            return static_cast<bool>(out);
        },
        error);
}

bool writeFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& produce,
                         std::string& error) {
    namespace fs = std::filesystem;
    fs::path target(path);
    fs::path temporary = target;
    temporary += ".tavilon-save";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = path + ": cannot be written (" + std::strerror(errno) + ")";
            return false;
        }
        const bool produced = produce(out);
        out.flush();
        if (!produced || !out) {
            error = path + ": writing failed (" + std::strerror(errno) + ")";
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code renameError;
    fs::rename(temporary, target, renameError);
    if (renameError) {
        error = path + ": cannot be replaced (" + renameError.message() + ")";
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}
