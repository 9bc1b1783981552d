#pragma once

namespace shell {
class WindowRegistry;
}

namespace vertical {

// Registers the vertical dial sheets with the window registry.
void registerVerticalWindows(shell::WindowRegistry &registry);

} // namespace vertical
