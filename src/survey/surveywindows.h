#pragma once

namespace shell {
class WindowRegistry;
}

namespace survey {

// Registers the wall survey window "Rilievo" with the window registry.
void registerSurveyWindows(shell::WindowRegistry &registry);

} // namespace survey
