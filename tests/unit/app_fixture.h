#pragma once

// A whole editor without a window, driven by scripted events and scripted
// platform services (input state, clock, clipboard, file dialogs, links).

#include "app/app_state.h"
#include "app/main_loop.h"
#include "app/menu.h"
#include "tests/unit/test_support.h"

#include <SFML/Window/Event.hpp>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class AppFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        app = std::make_unique<AppState>();
        scripted = ScriptedPlatform::install(app->platform);
        app->input = app->platform.input.get();
        app->clock = app->platform.clock.get();
        app->mainFont.loadFromFile(testFontPath());
        app->gui.setGlobalFont(testFontPath());
        app->themePath = sourceDir() + "/objects/Black.conf";
        app->gui.loadTheme(app->themePath);
        LoadMenuBar(*app);
        addDirectionMenuItem(*app);
    }

    // ---- Events, each through the whole pipeline ----
    void send(const sf::Event& event) { processEvent(*app, event); }

    void moveTo(float x, float y) {
        sf::Event e;
        e.type = sf::Event::MouseMoved;
        e.mouseMove.x = static_cast<int>(x);
        e.mouseMove.y = static_cast<int>(y);
        send(e);
    }

    void button(sf::Event::EventType type, sf::Mouse::Button which = sf::Mouse::Left) {
        sf::Event e;
        e.type = type;
        e.mouseButton.button = which;
        e.mouseButton.x = static_cast<int>(app->pointerPosition.x);
        e.mouseButton.y = static_cast<int>(app->pointerPosition.y);
        send(e);
    }
    void press(sf::Mouse::Button which = sf::Mouse::Left) { button(sf::Event::MouseButtonPressed, which); }
    void release(sf::Mouse::Button which = sf::Mouse::Left) { button(sf::Event::MouseButtonReleased, which); }

    void clickAt(float x, float y) {
        moveTo(x, y);
        press();
        release();
    }

    void dragFromTo(float x1, float y1, float x2, float y2) {
        moveTo(x1, y1);
        press();
        moveTo((x1 + x2) / 2.f, (y1 + y2) / 2.f);
        moveTo(x2, y2);
        release();
    }

    void key(sf::Keyboard::Key code, bool control = false, bool shift = false) {
        sf::Event e;
        e.type = sf::Event::KeyPressed;
        e.key.code = code;
        e.key.control = control;
        e.key.shift = shift;
        e.key.alt = false;
        e.key.system = false;
        send(e);
        sf::Event up = e;
        up.type = sf::Event::KeyReleased;
        send(up);
    }

    // Holds Control in the live input state while the key is pressed.
    void controlKey(sf::Keyboard::Key code) {
        scripted.input->control = true;
        key(code, true);
        scripted.input->control = false;
    }

    // Types text as a person would: for each character its key press (for
    // letters) and its text-entered event.
    void typeText(const std::string& text) {
        for (char c : text) {
            sf::Event e;
            e.type = sf::Event::TextEntered;
            e.text.unicode = static_cast<unsigned char>(c);
            sf::Keyboard::Key code = sf::Keyboard::Unknown;
            if (c >= 'a' && c <= 'z') code = static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (c - 'a'));
            if (c >= 'A' && c <= 'Z') code = static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (c - 'A'));
            if (code != sf::Keyboard::Unknown) {
                sf::Event down;
                down.type = sf::Event::KeyPressed;
                down.key = {code, false, false, false, false};
                send(down);
                send(e);
                sf::Event up = down;
                up.type = sf::Event::KeyReleased;
                send(up);
            } else {
                send(e);
            }
        }
    }

    // Opens a menu item the way a click on it arrives: as a queued callback
    // with id 0 and the item's text, drained by the next event.
    void chooseMenuItem(const std::string& item) {
        app->gui.queueCallback({0, item});
        moveTo(app->pointerPosition.x, app->pointerPosition.y);
    }

    std::unique_ptr<AppState> app;
    ScriptedPlatform scripted;
};
