// tessellon-sim inspect SHEET: one JSON line per object, as the schematic server reports it.
#include <iostream>
#include <memory>

#include "hostsim/cli/Commands.h"
#include "hostsim/plexa/FieldCodec.h"
#include "hostsim/plexa/ObjectBounds.h"

namespace hostsim {

namespace {

Json describe(const SheetObject& object) {
    const Rect bounds = boundsOf(object);
    Json line = Json::object();
    line["handle"] = object.handle;
    line["kind"] = static_cast<int>(object.kind);
    line["name"] = kindInfo(object.kind).name;
    line["bounds"] = {bounds.left, bounds.bottom, bounds.right, bounds.top};
    line["selected"] = object.selection != 0;
    if (kindInfo(object.kind).shape == Shape::Vertices) {
        Json vertices = Json::array();
        for (const Point& vertex : object.vertices)
            vertices.push_back({vertex.x, vertex.y});
        line["vertices"] = vertices;
    }
    if (!object.text.empty())
        line["text"] = object.text;
    if (object.part) {
        line["designator"] = object.part->designator->text;
        line["libReference"] = object.part->libReference;
        Json pins = Json::array();
        for (const auto& pin : object.part->pins) {
            if (pin->pin->isHidden && !object.part->showHiddenPins)
                continue;
            const Point inner = pin->pin->bodyEnd(pin->location);
            pins.push_back({pin->location.x, pin->location.y, inner.x, inner.y});
        }
        line["pins"] = pins;
    }
    return line;
}

} // namespace

void addInspectCommand(CommandLine& commandLine) {
    auto sheet = std::make_shared<std::string>();
    CLI::App& command = commandLine.add(
        "inspect",
        "Print one JSON line per object of a sheet: handle, kind code, kind name, bounds [left, bottom, right, top] "
        "as the schematic server reports them, selected, vertices, and for parts their visible pins as "
        "[x1, y1, x2, y2] (the connecting end first).",
        [sheet] {
            const Document& document = openSheet(*sheet);
            for (const auto& object : document.objects())
                std::cout << describe(*object).dump() << "\n";
            std::cout.flush();
            return std::cout ? ExitDone : ExitFailed;
        });
    command.add_option("SHEET", *sheet, "The sheet file (.sch)")->required();
}

} // namespace hostsim
