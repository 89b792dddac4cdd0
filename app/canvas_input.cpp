#include "app/canvas_input.h"

#include "app/app_state.h"
#include "app/main_loop.h"
#include "edit/drawing_ops.h"
#include "model/base_kind.h"
#include "model/base_object.h"
#include "model/label.h"
#include "model/strand.h"
#include "platform/input_state.h"

#include <algorithm>

void trackPointer(AppState& app, const sf::Event& event) {
    if (event.type != sf::Event::MouseMoved) return;
    app.pointerDelta = app.pointerPosition;
    app.pointerPosition = {static_cast<float>(event.mouseMove.x), static_cast<float>(event.mouseMove.y)};
    app.pointerDelta -= app.pointerPosition;
}

void panDrawing(AppState& app, const sf::Event& event) {
    if (event.type == sf::Event::MouseMoved && app.input->isRightButtonHeld() && !anyDialogOpen(app)) {
        moveDrawing(app, app.pointerDelta);
        app.view.panBack(app.pointerDelta);
    }
}

void startFirstStrand(AppState& app, const sf::Event& event) {
    app.newStrand = nullptr;
    if (!app.strands.empty() || event.type != sf::Event::KeyPressed || anyDialogOpen(app)) return;
    app.unsavedChanges = true;
    app.strands.push_back(std::make_unique<Strand>(app));
    app.newStrand = app.strands.back().get();
    int kind = baseKindOfKey(event.key.code);
    // Any other key leaves the strand empty; the next event's sweep removes it.
    if (kind >= 0)
        app.newStrand->addBase(
            std::make_unique<BaseObject>(app, app.pointerPosition.x, app.pointerPosition.y, kind), false);
}

namespace {

bool somethingGrabbed(const AppState& app) {
    for (const auto& strand : app.strands)
        if (strand->isActive() && strand->isAnyDragging()) return true;
    for (const auto& label : app.labels)
        if (label->isDragging()) return true;
    return false;
}

void selectInBox(AppState& app) {
    sf::Vector2f corner = app.selectionRect.getPosition();
    float minX = std::min(corner.x, app.pointerPosition.x), maxX = std::max(corner.x, app.pointerPosition.x);
    float minY = std::min(corner.y, app.pointerPosition.y), maxY = std::max(corner.y, app.pointerPosition.y);
    bool keep = app.input->isControlHeld();
    auto apply = [&](DraggableLabel& element) {
        if (element.isInRect(minX, minY, maxX, maxY))
            element.setSelected(true);
        else if (!keep)
            element.setSelected(false);
    };
    for (auto& strand : app.strands) {
        for (auto& base : strand->getBases())
            apply(*base);
        apply(strand->getFiveLabel());
        apply(strand->getThreeLabel());
    }
    for (auto& label : app.labels)
        apply(*label);
}

} // namespace

void updateSelectionBox(AppState& app, const sf::Event& event) {
    bool dialog = anyDialogOpen(app);
    if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left &&
        !app.input->isRightButtonHeld() && !dialog && !app.pointerOverMenuBar && !somethingGrabbed(app)) {
        app.selectionRect.setPosition(app.pointerPosition);
        app.boxActive = true;
        app.selectionRect.setSize(app.pointerPosition - app.selectionRect.getPosition());
    }
    if (event.type == sf::Event::MouseMoved && app.boxActive) {
        app.selectionRect.setSize(app.pointerPosition - app.selectionRect.getPosition());
        selectInBox(app);
    }
    if (event.type == sf::Event::MouseButtonReleased || dialog) app.boxActive = false;
}
