#include "document/drawing_file.h"
#include "document/drawing_text_writer.h"
#include "tests/unit/document/document_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

TEST(DrawingFile, WorkedExampleReadsAndWritesBackByteForByte) {
    DrawingRecords records = parseDrawing(kExample);
    ASSERT_EQ(records.strands.size(), 1u);
    ASSERT_EQ(records.labels.size(), 1u);
    const StrandRecord& s = records.strands[0];
    EXPECT_EQ(s.color, sf::Color(255, 255, 255, 255));
    EXPECT_EQ(s.fiveText + s.threeText, "5'3'");
    EXPECT_EQ(s.fivePosition, sf::Vector2f(90, 200));
    EXPECT_EQ(s.threePosition, sf::Vector2f(270, 200));
    EXPECT_TRUE(s.endLabelsVisible);
    ASSERT_EQ(s.bases.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.bases[i].kind, i) << "G, C, A";
    EXPECT_EQ(s.bases[2].position, sf::Vector2f(216, 200));
    EXPECT_EQ(records.labels[0].text, "probe");
    EXPECT_EQ(records.labels[0].position, sf::Vector2f(150, 300));
    EXPECT_EQ(formatDrawing(records), kExample);
}

TEST(DrawingFile, ReaderEdgeCases) {
    DrawingRecords empty = parseDrawing("");
    EXPECT_TRUE(empty.strands.empty() && empty.labels.empty());
    EXPECT_EQ(formatDrawing(empty), "");

    // Eleven fields: a strand without bases.
    DrawingRecords bare = parseDrawing("S|1|2|3|a|1|2|b|3|4|0|\n");
    ASSERT_EQ(bare.strands.size(), 1u);
    EXPECT_TRUE(bare.strands[0].bases.empty());
    EXPECT_FALSE(bare.strands[0].endLabelsVisible);
    EXPECT_EQ(bare.strands[0].color, sf::Color(1, 2, 3));

    // A line without "|" is one unknown field; an unknown leading field is
    // skipped and the strand after it read; LF alone ends lines too.
    DrawingRecords mixed = parseDrawing("stray text\nX|S|0|0|0|5'|0|0|3'|0|0|1|T|5|6|\nL|a b|1|2|");
    ASSERT_EQ(mixed.strands.size(), 1u);
    ASSERT_EQ(mixed.strands[0].bases.size(), 1u);
    EXPECT_EQ(mixed.strands[0].bases[0].kind, 3);
    ASSERT_EQ(mixed.labels.size(), 1u);
    EXPECT_EQ(mixed.labels[0].text, "a b");

    // Several records on one line, as the reader allows.
    DrawingRecords twoLabels = parseDrawing("L|x|1|2|L|y|3|4|\r\n");
    ASSERT_EQ(twoLabels.labels.size(), 2u);
    EXPECT_EQ(twoLabels.labels[1].text, "y");

    // Colour components wrap to their low 8 bits after truncation.
    EXPECT_EQ(parseDrawing("S|256|511.9|-1|5'|0|0|3'|0|0|1|G|0|0|\n").strands[0].color,
              sf::Color(0, 255, 255));
}

TEST(DrawingFile, WriterKeepsSixSignificantDigitsAndTextsNeverBreakTheFormat) {
    DrawingRecords r;
    r.labels.push_back({"n", {1000001.f, 412.5f}});
    r.labels.push_back({"m", {-100.f, 0.1f}});
    r.labels.push_back({"a|b\nc\xc3\xa9", {1, 2}});
    const std::string text = formatDrawing(r);
    EXPECT_EQ(text, "L|n|1e+06|412.5|\r\nL|m|-100|0.1|\r\nL|abc\xc3\xa9|1|2|\r\n");
    DrawingRecords back = parseDrawing(text);
    EXPECT_EQ(back.labels[0].position, sf::Vector2f(1000000.f, 412.5f));
    EXPECT_EQ(back.labels[2].text, "abc\xc3\xa9");
}

TEST(DrawingFile, NumbersAreWrittenAsPrintfWritesThem) {
    // Random bit patterns over the whole range of finite floats, and values
    // round a drawing's coordinates with ties at the sixth digit.
    std::mt19937 random(7);
    std::vector<float> values = {0.f,          -0.f,      0.5f, 2.5f,      1e-4f,
                                 9.999995e-5f, 999999.5f, 1e6f, 123456.5f, -412.5f};
    while (values.size() < 60000) {
        const std::uint32_t bits = random();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
        values.push_back(static_cast<float>(random() % 4000000) / 1024.f - 1000.f);
    }
    StrandRecord strand;
    std::string expected = "S|255|255|255||0|0||0|0|1|";
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        strand.bases.push_back({0, {values[i], values[i + 1]}});
        char text[64];
        std::snprintf(text, sizeof text, "G|%g|%g|", static_cast<double>(values[i]),
                      static_cast<double>(values[i + 1]));
        expected += text;
    }
    expected += "\r\n";
    DrawingRecords records;
    records.strands.push_back(strand);
    const std::string written = formatDrawing(records);
    const auto [w, e] = std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
    EXPECT_TRUE(w == written.end() && e == expected.end())
        << "first difference: \"" << written.substr(std::max<std::ptrdiff_t>(0, w - written.begin() - 30), 60)
        << "\" against \"" << expected.substr(std::max<std::ptrdiff_t>(0, e - expected.begin() - 30), 60)
        << "\"";
}

TEST(DrawingFile, WriterHandsTheTextOverInPiecesAndStopsAtARefusal) {
    DrawingRecords records = parseDrawing(kExample);
    for (int i = 0; i < 4; ++i)
        records.strands.push_back(records.strands[0]);
    const std::string whole = formatDrawing(records);
    std::vector<std::string> pieces;
    DrawingTextWriter writer(
        [&pieces](std::string_view piece) {
            pieces.emplace_back(piece);
            return true;
        },
        40);
    visitRecords(records, writer);
    EXPECT_TRUE(writer.finish());
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LT(piece.size(), 40u + 100u) << "a piece is spilled once it reaches the size";
        joined += piece;
    }
    EXPECT_GT(pieces.size(), 5u);
    EXPECT_EQ(joined, whole);

    int offered = 0;
    DrawingTextWriter refused([&offered](std::string_view) { return ++offered < 2; }, 40);
    visitRecords(records, refused);
    EXPECT_FALSE(refused.finish());
    EXPECT_EQ(offered, 2) << "nothing is offered after a refusal";
}

TEST(DrawingFile, FieldParsers) {
    const std::pair<const char*, float> numbers[] = {
        {"  12.5abc", 12.5f}, {"+3", 3.f}, {"-.5", -0.5f}, {"1e+06", 1e6f}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(parseNumber(text), value) << text;
    for (const char* bad : {"", "abc", "-", ".", "inf", "nan", "x1", "1e99"}) {
        try {
            parseNumber(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const FieldError& e) {
            EXPECT_EQ(std::string(e.what()), bad);
        }
    }
    EXPECT_TRUE(parseFlag("1"));
    EXPECT_FALSE(parseFlag(" 0"));
    for (const char* bad : {"2", "yes", ""})
        EXPECT_THROW(parseFlag(bad), FieldError) << bad;
    EXPECT_EQ(kindFromLetter("U"), 4);
    EXPECT_EQ(kindFromLetter("g"), -1);
    EXPECT_EQ(kindFromLetter("GC"), -1);

    std::string_view line = "a||b";
    EXPECT_EQ(nextField(line), "a");
    EXPECT_EQ(nextField(line), "");
    EXPECT_EQ(nextField(line), "b");
    EXPECT_TRUE(line.empty());
}

TEST(DrawingFile, BadFieldsAreReportedWithTheFileAndFieldText) {
    // A missing field reads as empty text, which is no number.
    for (const char* bad : {"S|255|255|\n", "S|1|2|3|5'|0|0|3'|0|0|1|X|0|0|\n", "L|t|12|wide|\n"})
        EXPECT_THROW(parseDrawing(bad), FieldError) << bad;

    ScratchDir dir;
    std::ofstream(dir.file("bad.dna")) << "S|255|255|255|5'|9x|oops|\r\n";
    DrawingRecords records;
    std::string error;
    EXPECT_FALSE(readDrawingFile(dir.file("bad.dna"), records, error));
    EXPECT_NE(error.find("bad.dna"), std::string::npos) << error;
    EXPECT_NE(error.find("oops"), std::string::npos) << error;
    EXPECT_FALSE(readDrawingFile(dir.file("missing.dna"), records, error));
    EXPECT_NE(error.find("missing.dna"), std::string::npos) << error;
    // A file beyond what memory can hold is refused before it is read.
    std::ofstream(dir.file("big.dna")) << kExample;
    EXPECT_FALSE(readDrawingFile(dir.file("big.dna"), records, error, 50));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(readDrawingFile(dir.file("big.dna"), records, error, std::string(kExample).size()));
    EXPECT_GT(largestDrawingFile(), std::uint64_t(1) << 20);
    // A folder opens but does not read.
    EXPECT_FALSE(readDrawingFile(dir.path.string(), records, error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
}

TEST(DrawingFile, AFailedSaveKeepsThePreviousFile) {
    ScratchDir dir;
    const std::string path = dir.file("gate.dna");
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path, "old", error)) << error;
    ASSERT_TRUE(writeFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(slurp(path), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1)
        << "no temporary file stays behind";

    // A folder where the file should go: the write fails and says so.
    std::filesystem::create_directories(dir.file("folder.dna"));
    EXPECT_FALSE(writeFileAtomically(dir.file("folder.dna"), "x", error));
    EXPECT_NE(error.find("folder.dna"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.dna")));
    EXPECT_FALSE(writeFileAtomically(dir.file("no/such/dir/x.dna"), "x", error));
    EXPECT_EQ(slurp(path), "new");

    // Text that could not all be written (a full disk, a refused piece)
    // leaves the previous file and no temporary one.
    EXPECT_FALSE(writeFileAtomically(
        path,
        [](std::ostream& out) {
            out << "half a drawing";
            return false;
        },
        error));
    EXPECT_EQ(slurp(path), "new");
    EXPECT_FALSE(std::filesystem::exists(path + ".tavilon-save"));
}
