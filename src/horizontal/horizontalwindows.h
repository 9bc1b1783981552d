#pragma once

namespace shell {
class WindowRegistry;
}

namespace horizontal {

// Registers the horizontal dial sheets with the window registry.
void registerHorizontalWindows(shell::WindowRegistry &registry);

} // namespace horizontal
