#pragma once

#include <string>

struct AppState;

// Shows a short message in the child window "MessageWindow" with an "OK"
// button; the message also goes to standard error as one line. A message
// already showing is replaced.
void ShowMessage(AppState& app, const std::string& title, const std::string& text);
