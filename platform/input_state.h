#pragma once

// Live state of the keys and buttons that event handlers read at the moment an
// event is handled (Control, the two Shift keys, the right mouse button).
// The real implementation asks SFML; tests script it so the event pipeline runs
// deterministically without a person at the keyboard.
class InputState {
  public:
    virtual ~InputState() = default;
    // True while the left or the right Control key is held.
    virtual bool isControlHeld() const = 0;
    // True while the left Shift key is held.
    virtual bool isLeftShiftHeld() const = 0;
    // True while the right Shift key is held.
    virtual bool isRightShiftHeld() const = 0;
    // True while the right mouse button is held.
    virtual bool isRightButtonHeld() const = 0;
};

// Reads the real keyboard and mouse through sf::Keyboard and sf::Mouse.
class LiveInputState : public InputState {
  public:
    bool isControlHeld() const override;
    bool isLeftShiftHeld() const override;
    bool isRightShiftHeld() const override;
    bool isRightButtonHeld() const override;
};

// Holds whatever a test sets; everything starts released.
class ScriptedInputState : public InputState {
  public:
    bool control = false;
    bool leftShift = false;
    bool rightShift = false;
    bool rightButton = false;

    bool isControlHeld() const override { return control; }
    bool isLeftShiftHeld() const override { return leftShift; }
    bool isRightShiftHeld() const override { return rightShift; }
    bool isRightButtonHeld() const override { return rightButton; }
};
