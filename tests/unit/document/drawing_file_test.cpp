#include "document/drawing_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char* const kExample = "S|255|255|255|5'|90|200|3'|270|200|1|G|120|200|C|168|200|A|216|200|\r\n"
                             "L|probe|150|300|\r\n";

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(DrawingFile, WorkedExampleReadsAndWritesBackByteForByte) {
    DrawingRecords records = parseDrawing(kExample);
    ASSERT_EQ(records.strands.size(), 1u);
    ASSERT_EQ(records.labels.size(), 1u);
    const StrandRecord& s = records.strands[0];
    EXPECT_EQ(s.color, sf::Color(255, 255, 255, 255));
    EXPECT_EQ(s.fiveText, "5'");
    EXPECT_EQ(s.threeText, "3'");
    EXPECT_EQ(s.fivePosition, sf::Vector2f(90, 200));
    EXPECT_EQ(s.threePosition, sf::Vector2f(270, 200));
    EXPECT_TRUE(s.endLabelsVisible);
    ASSERT_EQ(s.bases.size(), 3u);
    EXPECT_EQ(s.bases[0].kind, 0);
    EXPECT_EQ(s.bases[1].kind, 1);
    EXPECT_EQ(s.bases[2].kind, 2);
    EXPECT_EQ(s.bases[2].position, sf::Vector2f(216, 200));
    EXPECT_EQ(records.labels[0].text, "probe");
    EXPECT_EQ(records.labels[0].position, sf::Vector2f(150, 300));
    EXPECT_EQ(formatDrawing(records), kExample);
}

TEST(DrawingFile, ReaderEdgeCases) {
    // Empty file: empty drawing.
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
    DrawingRecords wrapped = parseDrawing("S|256|511.9|-1|5'|0|0|3'|0|0|1|G|0|0|\n");
    EXPECT_EQ(wrapped.strands[0].color, sf::Color(0, 255, 255));
}

TEST(DrawingFile, NumbersKeepSixSignificantDigits) {
    DrawingRecords r;
    r.labels.push_back({"n", {1000001.f, 412.5f}});
    r.labels.push_back({"m", {-100.f, 0.1f}});
    std::string text = formatDrawing(r);
    EXPECT_EQ(text, "L|n|1e+06|412.5|\r\nL|m|-100|0.1|\r\n");
    DrawingRecords back = parseDrawing(text);
    EXPECT_EQ(back.labels[0].position.x, 1000000.f);
    EXPECT_EQ(back.labels[0].position.y, 412.5f);
}

TEST(DrawingFile, FieldParsers) {
    EXPECT_EQ(parseNumber("  12.5abc"), 12.5f);
    EXPECT_EQ(parseNumber("+3"), 3.f);
    EXPECT_EQ(parseNumber("-.5"), -0.5f);
    EXPECT_EQ(parseNumber("1e+06"), 1e6f);
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
    EXPECT_THROW(parseFlag("2"), FieldError);
    EXPECT_THROW(parseFlag("yes"), FieldError);
    EXPECT_THROW(parseFlag(""), FieldError);
    EXPECT_EQ(kindFromLetter("U"), 4);
    EXPECT_EQ(kindFromLetter("g"), -1);
    EXPECT_EQ(kindFromLetter("GC"), -1);

    std::string_view line = "a||b";
    EXPECT_EQ(nextField(line), "a");
    EXPECT_EQ(nextField(line), "");
    EXPECT_EQ(nextField(line), "b");
    EXPECT_TRUE(line.empty());
}

TEST(DrawingFile, BadFieldsAreReportedWithTheFieldText) {
    // A missing field reads as empty text, which is no number.
    EXPECT_THROW(parseDrawing("S|255|255|\n"), FieldError);
    EXPECT_THROW(parseDrawing("S|1|2|3|5'|0|0|3'|0|0|1|X|0|0|\n"), FieldError);
    EXPECT_THROW(parseDrawing("L|t|12|wide|\n"), FieldError);

    auto dir = std::filesystem::temp_directory_path() / "tavilon-file-test";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "bad.dna").string();
    std::ofstream(path) << "S|255|255|255|5'|9x|oops|\r\n";
    DrawingRecords records;
    std::string error;
    EXPECT_FALSE(readDrawingFile(path, records, error));
    EXPECT_NE(error.find("bad.dna"), std::string::npos) << error;
    EXPECT_NE(error.find("oops"), std::string::npos) << error;

    EXPECT_FALSE(readDrawingFile((dir / "missing.dna").string(), records, error));
    EXPECT_NE(error.find("missing.dna"), std::string::npos) << error;
    std::filesystem::remove_all(dir);
}

TEST(DrawingFile, TextsNeverBreakTheFormat) {
    DrawingRecords r;
    r.labels.push_back({"a|b\nc\xc3\xa9", {1, 2}});
    std::string text = formatDrawing(r);
    EXPECT_EQ(text, "L|abc\xc3\xa9|1|2|\r\n");
    EXPECT_EQ(parseDrawing(text).labels[0].text, "abc\xc3\xa9");
}

TEST(DrawingFile, AFailedSaveKeepsThePreviousFile) {
    auto dir = std::filesystem::temp_directory_path() / "tavilon-save-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::string path = (dir / "gate.dna").string();
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path, "old", error)) << error;
    ASSERT_TRUE(writeFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(slurp(path), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary file stays behind";

    // A folder where the file should go: the write fails and says so.
    std::string blocked = (dir / "folder.dna").string();
    std::filesystem::create_directories(blocked);
    EXPECT_FALSE(writeFileAtomically(blocked, "x", error));
    EXPECT_NE(error.find("folder.dna"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(blocked));

    EXPECT_FALSE(writeFileAtomically((dir / "no/such/dir/x.dna").string(), "x", error));
    EXPECT_EQ(slurp(path), "new");
    std::filesystem::remove_all(dir);
}
