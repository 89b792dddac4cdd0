#include "model/drawing_state.h"

#include "model/label.h"
#include "model/strand.h"
#include "platform/input_state.h"
#include "platform/time_source.h"

namespace {
const ScriptedInputState nothingHeld;
const SteadyTimeSource steadyClock;
} // namespace

DrawingState::DrawingState() : input(&nothingHeld), clock(&steadyClock) {}

DrawingState::~DrawingState() = default;
