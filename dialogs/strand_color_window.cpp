#include "dialogs/strand_color_window.h"

#include "app/app_state.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/dialog_window.h"
#include "gui/checkbox.h"
#include "gui/child_window.h"
#include "gui/panel.h"
#include "gui/slider.h"
#include "model/selection.h"
#include "model/strand.h"

#include <cstdlib>
#include <ctime>

namespace {

const char* const kWindowName = "StrandColorWindow";
const char* const kSliderNames[] = {"RedSlider", "GreenSlider", "BlueSlider"};

// The sliders stop at 254 so that no mix can be pure white, which stands for
// the default letter colours; only the check box gives those back.
constexpr unsigned kSliderMaximum = 254;

sf::Uint8 channel(gui::ChildWindow& window, const char* sliderName) {
    gui::Slider* slider = window.get<gui::Slider>(sliderName);
    return static_cast<sf::Uint8>((slider ? slider->getValue() : 0u) & 0xFFu);
}

// The colour the three sliders mix, opaque.
sf::Color sliderColor(gui::ChildWindow& window) {
    return sf::Color(channel(window, "RedSlider"), channel(window, "GreenSlider"),
                     channel(window, "BlueSlider"), 255);
}

// The strand the window was opened for, while it is still in the drawing.
// Shortcuts still work under the window: one may make another strand the
// active one (select all, paste) or cut this one, and the window must then
// neither recolour another strand nor leave its preview behind.
Strand* windowStrand(AppState& app) {
    for (const auto& strand : app.strands)
        if (strand->getSerial() == app.colorWindowStrand) return strand.get();
    return nullptr;
}

void preview(AppState& app) {
    gui::ChildWindow* window = findDialog(app, kWindowName);
    if (!window) return;
    const sf::Color mix = sliderColor(*window);
    if (gui::Panel* panel = window->get<gui::Panel>("ColorPanel")) panel->setBackgroundColor(mix);
    if (Strand* strand = windowStrand(app)) strand->setColor(mix);
}

void apply(AppState& app) {
    gui::ChildWindow* window = findDialog(app, kWindowName);
    if (!window) return;
    if (Strand* strand = windowStrand(app)) {
        strand->setColor(sliderColor(*window));
        gui::Checkbox* useDefault = window->get<gui::Checkbox>("Checkbox");
        if (useDefault && useDefault->isChecked()) strand->setColor(sf::Color::White);
        // The strand showed the preview all along; what counts is whether it
        // now differs from the colour it had before the window opened.
        if (strand->getColor() != app.chosenColor) app.unsavedChanges = true;
    }
    closeDialog(app, kWindowName);
}

void cancel(AppState& app) {
    closeDialog(app, kWindowName);
    if (Strand* strand = windowStrand(app)) strand->setColor(app.chosenColor);
}

} // namespace

void OpenStrandColorWindow(AppState& app) {
    if (app.gui.get(kWindowName)) return;
    Strand* strand = selectedStrand(app);
    if (!strand) return;
    app.chosenColor = strand->getColor();
    app.colorWindowStrand = strand->getSerial();

    gui::ChildWindow* window =
        createDialogWindow(app, kWindowName, "Set the color of a DNA strand", 500, 250);
    window->bindCallback(gui::Trigger::Closed, [&app] { cancel(app); });

    const char* const labelNames[] = {"RedLabel", "GreenLabel", "BlueLabel"};
    const char* const labelTexts[] = {"Red:", "Green:", "Blue:"};
    gui::Slider* sliders[3] = {};
    for (int i = 0; i < 3; ++i) {
        const float y = 20.f + 40.f * static_cast<float>(i);
        addDialogLabel(app, *window, labelNames[i], 20, y, labelTexts[i], 28);
        gui::Slider* slider = window->add<gui::Slider>(kSliderNames[i]);
        slider->load(app.themePath);
        slider->setPosition(140, y + 10.f);
        slider->setMinimum(0);
        slider->setMaximum(kSliderMaximum);
        slider->setVerticalScroll(false);
        slider->bindCallback(gui::Trigger::ValueChanged, [&app] { preview(app); });
        sliders[i] = slider;
    }
    gui::Panel* panel = window->add<gui::Panel>("ColorPanel");
    panel->setPosition(420, 20);
    panel->setSize(60, 120);
    gui::Checkbox* useDefault = window->add<gui::Checkbox>("Checkbox");
    useDefault->load(app.themePath);
    useDefault->setPosition(140, 150);
    useDefault->setText("Use default colors");
    addDialogButton(app, *window, 20, 200, 220, 30, "Apply", [&app] { apply(app); });
    addDialogButton(app, *window, 260, 200, 220, 30, "Cancel", [&app] { cancel(app); });

    if (app.chosenColor == sf::Color::White) {
        // A fresh colour each second; two openings within one second start alike.
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        for (gui::Slider* slider : sliders)
            slider->setValue(static_cast<unsigned>(std::rand() % 255));
    } else {
        // A channel of 255 shows as 254 (the slider holds its maximum) until
        // Cancel brings the exact colour back from chosenColor.
        sliders[0]->setValue(app.chosenColor.r);
        sliders[1]->setValue(app.chosenColor.g);
        sliders[2]->setValue(app.chosenColor.b);
    }
    const sf::Color mix = sliderColor(*window);
    panel->setBackgroundColor(mix);
    strand->setColor(mix);
}
