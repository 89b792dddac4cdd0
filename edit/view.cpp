#include "edit/view.h"

#include "app/app_state.h"
#include "edit/drawing_ops.h"
#include "model/label.h"
#include "model/strand.h"

namespace {

// Half the window size, in integer pixels (the remainder is dropped).
sf::Vector2f halfWindow(const AppState& app) {
    sf::Vector2u size = app.windowSize();
    return {static_cast<float>(size.x / 2), static_cast<float>(size.y / 2)};
}

} // namespace

void setZoom(AppState& app, float size, bool aroundPointer) {
    app.previousZoomSize = app.zoomSize;
    app.zoomSize = size;
    app.textSize = static_cast<int>(size);
    sf::Vector2f pivot = aroundPointer ? app.pointerPosition : zoomPivot(app);
    app.view.zoom(app.zoomSize / app.previousZoomSize, pivot);
    for (auto& strand : app.strands)
        strand->rescale(pivot);
    for (auto& label : app.labels)
        label->rescale(pivot);
}

sf::Vector2f zoomPivot(const AppState& app) {
    sf::FloatRect b = drawingBounds(app);
    sf::Vector2f half = halfWindow(app);
    return {b.left + b.width / 2.f + half.x, b.top + b.height / 2.f + half.y};
}

void zoomIn(AppState& app, bool aroundPointer) {
    if (app.zoomSize < 160.f) setZoom(app, app.zoomSize + 5.f, aroundPointer);
}

void zoomOut(AppState& app, bool aroundPointer) {
    if (app.zoomSize > 8.f) setZoom(app, app.zoomSize - 5.f, aroundPointer);
}

void centerDrawing(AppState& app) {
    sf::FloatRect b = drawingBounds(app);
    sf::Vector2f windowCentre = halfWindow(app);
    sf::Vector2f drawingCentre{b.left + b.width / 2.f, b.top + b.height / 2.f};
    moveDrawing(app, drawingCentre - windowCentre);
}
