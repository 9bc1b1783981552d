#include "drawing/dxfwriter.h"

#include "sheet/translation.h"

#include "files/atomicfile.h"

#include <dl_dxf.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <sys/resource.h>

namespace drawing {

namespace {

// AutoCAD colour index of each layer (the screen colours, as near as the 255 indices allow).
int layerAci(Layer layer)
{
    switch (layer) {
    case Layer::Hours: return 7;
    case Layer::ClockHours: return 3;
    case Layer::Italic: return 1;
    case Layer::Babylonian: return 5;
    case Layer::Dates: return 6;
    case Layer::Style: return 30;
    case Layer::Plate: return 7;
    case Layer::Texts: return 7;
    case Layer::Construction: return 8;
    case Layer::Temporary: return 40;
    case Layer::Azimuth: return 130;
    case Layer::Altitude: return 30;
    case Layer::MeanHours: return 3;
    case Layer::Grid: return 9;
    case Layer::Analemmatic: return 7;
    case Layer::DateScale: return 6;
    case Layer::Wires: return 30;
    case Layer::Meridian: return 7;
    case Layer::Spots: return 30;
    }
    return 7;
}

std::string dxfText(const std::string &utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned code = c;
        std::size_t len = 1;
        if (c >= 0xF0 && i + 3 < utf8.size() + 0) {
            code = ((c & 0x07u) << 18) | ((utf8[i + 1] & 0x3Fu) << 12) | ((utf8[i + 2] & 0x3Fu) << 6) | (utf8[i + 3] & 0x3Fu);
            len = 4;
        } else if (c >= 0xE0 && i + 2 < utf8.size()) {
            code = ((c & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
            len = 3;
        } else if (c >= 0xC0 && i + 1 < utf8.size()) {
            code = ((c & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
            len = 2;
        }
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
            // A newline would end the group value and let the rest of the text be read as
            // the file's own codes; no text of ours holds one, and none is written.
            out += ' ';
        } else if (code == '%' && i + 1 < utf8.size() && utf8[i + 1] == '%') {
            // "%%" starts a control code (%%d, %%c, %%u): a percent sign that a second one
            // follows is written as the code of a percent sign.
            out += "%%%";
        } else if (code == '\\' && i + 1 < utf8.size() && (utf8[i + 1] == 'U' || utf8[i + 1] == 'u')) {
            // "\U+" starts a character code: the backslash is written as its own.
            out += "\\U+005C";
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code == 0xB0) {
            // The degree sign has a control code of its own that every R12 reader knows.
            out += "%%d";
        } else if (code >= 0xA0 && code <= 0xFF) {
            // An R12 file is written in its code page (ANSI_1252, said in the header), where
            // the accented letters and the times sign keep their Latin-1 numbers.
            out += static_cast<char>(code);
        } else {
            char buf[16];
            std::snprintf(buf, sizeof buf, "\\U+%04X", code);
            out += buf;
        }
        i += len;
    }
    return out;
}

bool endsWithEof(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string t = s.str();
    return t.size() > 4 && t.find("EOF", t.size() - 8) != std::string::npos;
}

// dxflib writes through a stream that keeps no error number: a file cut short at the size the
// program may write (ulimit -f) was cut short by that limit, one on a disk with next to no room
// left by the full disk, anything else by the disk itself.
int whyCutShort(const std::string &temp)
{
    rlimit limit{};
    std::error_code ec;
    const auto written = std::filesystem::file_size(temp, ec);
    if (!ec && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && written >= limit.rlim_cur)
        return EFBIG;
    const std::filesystem::path folder = std::filesystem::path(temp).parent_path();
    const auto room = std::filesystem::space(folder.empty() ? std::filesystem::path(".") : folder, ec);
    return !ec && room.available < 1024 * 1024 ? ENOSPC : EIO;
}

// The header: the code page of the texts, millimetres, and the drawing's extent.
void writeHeader(DL_Dxf &dxf, DL_WriterA &dw, const DialSketch &sketch)
{
    dxf.writeHeader(dw);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);
    dw.dxfString(9, "$EXTMIN");
    dw.dxfReal(10, sketch.extent.left);
    dw.dxfReal(20, sketch.extent.bottom);
    dw.dxfReal(30, 0.0);
    dw.dxfString(9, "$EXTMAX");
    dw.dxfReal(10, sketch.extent.right);
    dw.dxfReal(20, sketch.extent.top);
    dw.dxfReal(30, 0.0);
    dw.sectionEnd();
}

// The layers: one per family of lines, and one for each half of a split analemma.
void writeLayers(DL_Dxf &dxf, DL_WriterA &dw)
{
    dw.tableLayers(kLayerCount + 5);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
    for (int k = 0; k < kLayerCount; ++k) {
        const auto layer = static_cast<Layer>(k);
        dxf.writeLayer(dw, DL_LayerData(LayerName(layer), 0),
                       DL_Attributes("", layerAci(layer), 0, "CONTINUOUS", 1.0));
    }
    for (const Layer clock : {Layer::ClockHours, Layer::MeanHours}) {
        Polyline half;
        half.layer = clock;
        for (const auto which : {gnomonics::AnalemmaHalf::DecemberToJune, gnomonics::AnalemmaHalf::JuneToDecember}) {
            half.half = which;
            const bool dashed = which == gnomonics::AnalemmaHalf::JuneToDecember;
            dxf.writeLayer(dw, DL_LayerData(PolylineLayerName(half), 0),
                           DL_Attributes("", layerAci(clock), 0, dashed ? "DASHED" : "CONTINUOUS", 1.0));
        }
    }
    dw.tableEnd();
}

// The tables: line types, layers, the text style and the rest an R12 reader expects.
void writeTables(DL_Dxf &dxf, DL_WriterA &dw)
{
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(4);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    // The June to December half of a split analemma is dashed in CAD as on paper.
    double dashes[] = {3.0, -1.5};
    dxf.writeLinetype(dw, DL_LinetypeData("DASHED", "Dashed __ __ __", 0, 2, 4.5, dashes));
    dw.tableEnd();
    writeLayers(dxf, dw);
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dw.sectionEnd();
}

// Every line, text and dot of the sketch, each on its layer.
void writeEntities(DL_Dxf &dxf, DL_WriterA &dw, const DialSketch &sketch)
{
    dw.sectionEntities();
    for (const Polyline &l : sketch.lines) {
        if (l.points.size() < 2)
            continue;
        const DL_Attributes attrs(PolylineLayerName(l), 256, -1, "BYLAYER", 1.0);
        if (l.points.size() == 2 && !l.closed) {
            dxf.writeLine(dw, DL_LineData(l.points[0].x, l.points[0].y, 0, l.points[1].x, l.points[1].y, 0),
                          attrs);
            continue;
        }
        dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(l.points.size()), 0, 0, l.closed ? 1 : 0), attrs);
        for (const Pt p : l.points)
            dxf.writeVertex(dw, DL_VertexData(p.x, p.y, 0, 0));
        dxf.writePolylineEnd(dw);
    }
    for (const Label &t : sketch.labels) {
        const DL_Attributes attrs(LayerName(Layer::Texts), 256, -1, "BYLAYER", 1.0);
        dxf.writeText(dw, DL_TextData(t.at.x, t.at.y, 0, t.at.x, t.at.y, 0, t.heightMm * 0.72, 1.0, 0, 0, 0,
                                      dxfText(t.text), "STANDARD", 0.0),
                      attrs);
    }
    for (const Dot &d : sketch.dots) {
        // A small cross: R12 CIRCLE would do, but lines keep the file to lines and polylines.
        const DL_Attributes attrs(LayerName(d.layer), 256, -1, "BYLAYER", 1.0);
        dxf.writeLine(dw, DL_LineData(d.at.x - d.radiusMm, d.at.y, 0, d.at.x + d.radiusMm, d.at.y, 0), attrs);
        dxf.writeLine(dw, DL_LineData(d.at.x, d.at.y - d.radiusMm, 0, d.at.x, d.at.y + d.radiusMm, 0), attrs);
    }
    dw.sectionEnd();
}

} // namespace

bool WriteDialDxf(const std::string &path, const DialSketch &sketch, std::string *error)
{
    auto fail = [&](const std::string &why) {
        if (error)
            *error = why;
        return false;
    };
    const std::string temp = files::TemporaryPathBeside(path);
    {
        DL_Dxf dxf;
        errno = 0;
        std::unique_ptr<DL_WriterA> dw(dxf.out(temp.c_str(), DL_Codes::AC1009));
        if (!dw || dw->openFailed()) {
            const int why = errno != 0 ? errno : EACCES;
            std::remove(temp.c_str());
            return fail(files::FolderRefusal(path, why));
        }
        writeHeader(dxf, *dw, sketch);
        writeTables(dxf, *dw);
        dw->sectionBlocks();
        dw->sectionEnd();
        writeEntities(dxf, *dw, sketch);
        dw->dxfEOF();
        dw->close();
    }
    if (!endsWithEof(temp)) {
        const int why = whyCutShort(temp);
        std::remove(temp.c_str());
        return fail(files::WriteRefusal(path, why));
    }
    std::string why;
    if (!files::MoveIntoPlace(temp, path, &why))
        return fail(why);
    return true;
}

} // namespace drawing
