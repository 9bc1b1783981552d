#pragma once

#include "drawing/dialsketch.h"
#include "project/projectfile.h"

#include <QString>

#include <string>

namespace designer {

// A dial computed from a project: the engine's lines and the sketch, or the reason it cannot be
// drawn (in Italian, with the field at fault).
struct DesignedDial {
    bool ok = false;
    QString key;     // the designer's field it points at (project::FieldAtFault)
    QString message; // why, in Italian
    gnomonics::DialLines lines;
    drawing::DialSketch sketch;
};
DesignedDial DesignDial(const project::Project &project);

// Writes the dial of a project to path, the format chosen by its extension (.pdf, .svg, .dxf,
// .csv, in any case). Atomic: on failure returns false with the reason in Italian and leaves no
// file at path that was not there before (an older file of that name stays as it was).
bool ExportDial(const QString &path, const DesignedDial &dial, QString *error);
// The same to a path as the system spells it (bytes, as typed on a command line, whatever
// their encoding): the file gets that very name.
bool ExportDialToNativePath(const std::string &nativePath, const DesignedDial &dial, QString *error);

} // namespace designer
