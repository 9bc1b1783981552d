#pragma once

// The program's second part: a library (horalo_windows) with every window but the menus, the
// manual and the about box, and with all that prints and writes drawing files (Qt's printing,
// Qt SVG, dxflib). The program loads it the first time one of its windows, a project or an
// export is asked for, so that the main menu opens without loading any of it. These are the
// names and the types of its two entry points.

#include <QString>

#include <string>

namespace shell {
class WindowRegistry;
}

// Adds every window of the second part to the registry, and the designer as the opener of
// projects.
using HoraloRegisterWindows = void (*)(shell::WindowRegistry &registry);
inline constexpr const char *kRegisterWindowsEntry = "horalo_register_windows";

// Writes the dial of the project file to the output file (PDF, SVG, DXF or CSV by its
// extension); false with the reason in *error. Both paths are the system's bytes.
using HoraloExportDial = bool (*)(const std::string &projectPath, const std::string &outputPath, QString *error);
inline constexpr const char *kExportDialEntry = "horalo_export_dial";
