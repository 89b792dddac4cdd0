#include "edit/drawing_records.h"

#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

void visitRecords(const DrawingState& state, const PositionMap& stored, RecordVisitor& visitor) {
    for (const auto& strand : state.strands) {
        if (strand->isEmpty()) continue;
        StrandRecord header;
        header.color = strand->getColor();
        header.fiveText = strand->getFiveLabel().getText();
        header.fivePosition = stored(strand->getFiveLabel().getPosition());
        header.threeText = strand->getThreeLabel().getText();
        header.threePosition = stored(strand->getThreeLabel().getPosition());
        header.endLabelsVisible = strand->areEndLabelsVisible();
        visitor.strand(header, strand->getBases().size());
        for (const auto& base : strand->getBases())
            visitor.base({base->getKind(), stored(base->getPosition())});
        visitor.endStrand();
    }
    for (const auto& label : state.labels)
        if (!label->getText().empty()) visitor.label({label->getText(), stored(label->getPosition())});
}

void visitRecords(const DrawingRecords& records, RecordVisitor& visitor) {
    StrandRecord header;
    for (const StrandRecord& s : records.strands) {
        header.color = s.color;
        header.fiveText = s.fiveText;
        header.fivePosition = s.fivePosition;
        header.threeText = s.threeText;
        header.threePosition = s.threePosition;
        header.endLabelsVisible = s.endLabelsVisible;
        visitor.strand(header, s.bases.size());
        for (const StrandRecord::Base& b : s.bases)
            visitor.base(b);
        visitor.endStrand();
    }
    for (const LabelRecord& l : records.labels)
        visitor.label(l);
}

namespace {

// Keeps what it is handed as records.
class Collector final : public RecordVisitor {
  public:
    DrawingRecords records;

    void strand(const StrandRecord& header, std::size_t baseCount) override {
        records.strands.push_back(header);
        records.strands.back().bases.reserve(baseCount);
    }
    void base(const StrandRecord::Base& base) override { records.strands.back().bases.push_back(base); }
    void endStrand() override {}
    void label(const LabelRecord& label) override { records.labels.push_back(label); }
};

} // namespace

DrawingRecords recordsOf(const DrawingState& state, const PositionMap& stored) {
    Collector collector;
    collector.records.strands.reserve(state.strands.size());
    visitRecords(state, stored, collector);
    return std::move(collector.records);
}

std::unique_ptr<Strand> strandFromRecord(DrawingState& state, const StrandRecord& record,
                                         const PositionMap& toScreen) {
    auto strand = std::make_unique<Strand>(state);
    strand->setEndLabelsVisible(record.endLabelsVisible);
    for (const StrandRecord::Base& b : record.bases) {
        const sf::Vector2f p = toScreen(b.position);
        strand->addBase(std::make_unique<BaseObject>(state, p.x, p.y, b.kind), true);
    }
    strand->setEndTexts(record.fiveText, record.threeText);
    strand->setEndPositions(toScreen(record.fivePosition), toScreen(record.threePosition));
    strand->setColor(record.color);
    return strand;
}

std::size_t byteSize(const DrawingRecords& records) {
    std::size_t bytes = sizeof(DrawingRecords);
    for (const StrandRecord& s : records.strands)
        bytes += sizeof(StrandRecord) + s.fiveText.capacity() + s.threeText.capacity() +
                 s.bases.capacity() * sizeof(StrandRecord::Base);
    for (const LabelRecord& l : records.labels)
        bytes += sizeof(LabelRecord) + l.text.capacity();
    return bytes;
}
