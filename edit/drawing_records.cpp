#include "edit/drawing_records.h"

#include "model/base_object.h"
#include "model/drawing_state.h"
#include "model/label.h"
#include "model/strand.h"

DrawingRecords recordsOf(const DrawingState& state, const PositionMap& stored) {
    DrawingRecords records;
    records.strands.reserve(state.strands.size());
    for (const auto& strand : state.strands) {
        if (strand->isEmpty()) continue;
        StrandRecord s;
        s.color = strand->getColor();
        s.fiveText = strand->getFiveLabel().getText();
        s.fivePosition = stored(strand->getFiveLabel().getPosition());
        s.threeText = strand->getThreeLabel().getText();
        s.threePosition = stored(strand->getThreeLabel().getPosition());
        s.endLabelsVisible = strand->areEndLabelsVisible();
        s.bases.reserve(strand->getBases().size());
        for (const auto& base : strand->getBases())
            s.bases.push_back({base->getKind(), stored(base->getPosition())});
        records.strands.push_back(std::move(s));
    }
    for (const auto& label : state.labels)
        if (!label->getText().empty())
            records.labels.push_back({label->getText(), stored(label->getPosition())});
    return records;
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
