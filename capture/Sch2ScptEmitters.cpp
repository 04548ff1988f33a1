#include "capture/Sch2ScptEmitters.h"

#include "capture/Sch2ScptFormats.h"
#include "platform/AsciiText.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace snapscribe {

namespace {

// Designator and part type: the part's text fields as ReadTextField numbers them.
constexpr int DesignatorField = 17;
constexpr int PartTypeField = 35;

void AddSelection(TStatementWriter& out) {
    out.AddBooleanParameter(0, "Selection");
}

void AddLocation(TStatementWriter& out, const TSchObject& object) {
    out.AddLocationParameter("Location", object.X, object.Y);
}

// The vertices the wrapper holds, whatever count the host reported.
void AddVertices(TStatementWriter& out, const TSchMultiVertexObject& object) {
    const auto count = std::clamp(object.VertexCount, 0, SchMaxVertices);
    out.AddVertexParameters(std::span<const TSchPoint>(object.Vertices, static_cast<std::size_t>(count)));
}

void EmitArc(TArc& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddIntegerValue("Radius", o.Radius);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddAngleValue("StartAngle", o.StartAngle);
    out.AddAngleValue("EndAngle", o.EndAngle);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
}

// Beziers, buses and wires.
void EmitLineObject(TSchMultiVertexObject& o, TStatementWriter& out) {
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    AddVertices(out, o);
}

void EmitBusEntry(TBusEntry& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddLocationParameter("Corner", o.CornerX, o.CornerY);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
}

void EmitEllipse(TEllipse& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddIntegerValue("Radius", o.Radius);
    out.AddIntegerValue("SecondaryRadius", o.SecondaryRadius);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    out.AddIntegerValue("AreaColor", o.AreaColor);
    out.AddBooleanParameter(o.IsSolid, "IsSolid");
    AddSelection(out);
}

void EmitEllipticalArc(TEllipticalArc& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddIntegerValue("Radius", o.Radius);
    out.AddIntegerValue("SecondaryRadius", o.SecondaryRadius);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddAngleValue("StartAngle", o.StartAngle);
    out.AddAngleValue("EndAngle", o.EndAngle);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
}

void EmitImage(TImage& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddLocationParameter("Corner", o.CornerX, o.CornerY);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    out.AddBooleanParameter(o.IsSolid, "IsSolid");
    out.AddBooleanParameter(o.KeepAspect, "KeepAspect");
    out.AddTextParameter("FileName", TextFromHost(o.FileName));
}

void EmitJunction(TJunction& o, TStatementWriter& out) {
    // The junction's record is read once more before it is written.
    o.Query(qmRead);
    AddLocation(out, o);
    out.AddByteValue("Size", o.Size);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
}

// Annotations and net labels.
template <typename Label> void EmitLabel(Label& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddByteValue("Orientation", o.Orientation);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    out.AddTextParameter("S", TextFromHost(o.Text));
}

void EmitLayoutDirective(TLayoutDirective& o, TStatementWriter& out) {
    out.AddIntegerValue("RoutingTrackWidth", o.RoutingTrackWidth);
    out.AddIntegerValue("RoutingViaWidth", o.RoutingViaWidth);
    out.AddByteValue("NetTopology", o.NetTopology);
    out.AddByteValue("RoutingPriority", o.RoutingPriority);
    out.AddByteValue("Layer", o.Layer);
    AddLocation(out, o);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
}

// A line is placed like a polyline of its two points; its further byte, which the host's line query exchanges
// where the polyline query exchanges the line style, is written as the line style.
void EmitLine(TLine& o, TStatementWriter& out) {
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddByteValue("LineStyle", o.Attribute);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    const TSchPoint ends[] = {{o.X, o.Y}, {o.X2, o.Y2}};
    out.AddVertexParameters(ends);
}

void EmitNoERC(TNoERC& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
}

void EmitPie(TPie& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddIntegerValue("Radius", o.Radius);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddAngleValue("StartAngle", o.StartAngle);
    out.AddAngleValue("EndAngle", o.EndAngle);
    out.AddIntegerValue("Color", o.Color);
    out.AddIntegerValue("AreaColor", o.AreaColor);
    out.AddBooleanParameter(o.IsSolid, "IsSolid");
    AddSelection(out);
}

void EmitPolygon(TPolygon& o, TStatementWriter& out) {
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    out.AddIntegerValue("AreaColor", o.AreaColor);
    out.AddBooleanParameter(o.IsSolid, "IsSolid");
    AddSelection(out);
    AddVertices(out, o);
}

void EmitPolyline(TPolyline& o, TStatementWriter& out) {
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddByteValue("LineStyle", o.LineStyle);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    AddVertices(out, o);
}

void EmitPort(TPort& o, TStatementWriter& out) {
    out.AddByteValue("Style", o.Style);
    out.AddByteValue("IOType", o.IOType);
    out.AddByteValue("Alignment", o.Alignment);
    out.AddIntegerValue("Width", o.Width);
    AddLocation(out, o);
    out.AddIntegerValue("Color", o.Color);
    out.AddIntegerValue("AreaColor", o.AreaColor);
    out.AddIntegerValue("TextColor", o.TextColor);
    AddSelection(out);
    out.AddTextParameter("Name", TextFromHost(o.Name));
}

void EmitPowerObject(TPowerObject& o, TStatementWriter& out) {
    out.AddByteValue("Style", o.Style);
    AddLocation(out, o);
    out.AddByteValue("Orientation", o.Orientation);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    out.AddTextParameter("S", TextFromHost(o.Text));
}

void EmitRectangle(TRectangle& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddLocationParameter("Corner", o.CornerX, o.CornerY);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    out.AddIntegerValue("AreaColor", o.AreaColor);
    AddSelection(out);
    out.AddBooleanParameter(o.IsSolid, "IsSolid");
}

void EmitRoundRectangle(TRoundRectangle& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddLocationParameter("Corner", o.CornerX, o.CornerY);
    out.AddIntegerValue("CornerXRadius", o.CornerXRadius);
    out.AddIntegerValue("CornerYRadius", o.CornerYRadius);
    out.AddByteValue("LineWidth", o.LineWidth);
    out.AddIntegerValue("Color", o.Color);
    out.AddIntegerValue("AreaColor", o.AreaColor);
    AddSelection(out);
    out.AddBooleanParameter(o.IsSolid, "IsSolid");
}

// Simulation probes, stimuli and vectors.
template <typename Marker> void EmitMarker(Marker& o, TStatementWriter& out) {
    AddLocation(out, o);
    out.AddIntegerValue("Color", o.Color);
    AddSelection(out);
    out.AddTextParameter("S", TextFromHost(o.Text));
}

// "PartDescription1" to "PartDescription16".
const std::array<std::string, SchPartDescriptionCount> DescriptionNames = [] {
    std::array<std::string, SchPartDescriptionCount> names;
    for (int i = 0; i < SchPartDescriptionCount; ++i)
        names[i] = "PartDescription" + std::to_string(i + 1);
    return names;
}();

void EmitPart(TSchPart& o, TStatementWriter& out, TStrList& variables) {
    // One text wrapper reads the descriptions. Its text is emptied before each read, so that a field without a text
    // object, which the host does not answer, does not repeat the field before it.
    std::string descriptions[SchPartDescriptionCount];
    TText field;
    for (int i = 0; i < SchPartDescriptionCount; ++i) {
        field.Handle = o.DescriptionHandles[i];
        field.Text[0] = '\0';
        field.Query(qmRead);
        descriptions[i] = TextFromHost(field.Text);
    }

    AddLocation(out, o);
    out.AddByteValue("CompDisplayMode", o.CompDisplayMode);
    out.AddBooleanParameter(o.IsMirrored, "IsMirrored");
    out.AddByteValue("Orientation", o.Orientation);
    AddSelection(out);
    out.AddIntegerValue("PartId", o.PartId);
    out.AddBooleanParameter(o.ShowHiddenFields, "ShowHiddenFields");
    out.AddBooleanParameter(o.ShowHiddenPins, "ShowHiddenPins");
    out.AddTextParameter("LibReference", TextFromHost(o.LibReference));
    out.AddTextParameter("FootPrint", TextFromHost(o.FootPrint));
    out.AddTextParameter("Designator", o.ReadTextField(DesignatorField));
    RecordPartType(o.ReadTextField(PartTypeField), out, variables);
    for (int i = 0; i < SchPartDescriptionCount; ++i) {
        const std::string_view description = platform::TrimBlanks(descriptions[i]);
        if (description.empty() || description == "*")
            continue;
        out.AddTextParameter(DescriptionNames[i], descriptions[i]);
    }
}

// Runs Emit on Object as a Wrapper, framed by ResetParameters and RunProcess("Sch:<Process>"); nothing when the
// wrapper is of another class.
template <typename Wrapper, typename Emit>
void Block(TSchObject& object, TStatementWriter& out, std::string_view process, Emit emit) {
    auto* wrapper = dynamic_cast<Wrapper*>(&object);
    if (wrapper == nullptr)
        return;
    out.ResetParameters();
    emit(*wrapper);
    out.RunProcess(process);
    out.EndBlock();
}

} // namespace

std::unique_ptr<TSchObject> CreateWrapper(std::uint8_t kind) {
    switch (kind) {
    case skArc:
        return std::make_unique<TArc>();
    case skBezier:
        return std::make_unique<TBezier>();
    case skBus:
        return std::make_unique<TBus>();
    case skBusEntry:
        return std::make_unique<TBusEntry>();
    case skEllipse:
        return std::make_unique<TEllipse>();
    case skEllipticalArc:
        return std::make_unique<TEllipticalArc>();
    case skErrorMarker:
        return std::make_unique<TErrorMarker>();
    case skImage:
        return std::make_unique<TImage>();
    case skJunction:
        return std::make_unique<TJunction>();
    case skAnnotation:
        return std::make_unique<TAnnotation>();
    case skLayoutDirective:
        return std::make_unique<TLayoutDirective>();
    case skLine:
        return std::make_unique<TLine>();
    case skNetLabel:
        return std::make_unique<TNetLabel>();
    case skNoERC:
        return std::make_unique<TNoERC>();
    case skPart:
        return std::make_unique<TSchPart>();
    case skPie:
        return std::make_unique<TPie>();
    case skPolygon:
        return std::make_unique<TPolygon>();
    case skPolyline:
        return std::make_unique<TPolyline>();
    case skPort:
        return std::make_unique<TPort>();
    case skPowerObject:
        return std::make_unique<TPowerObject>();
    case skRectangle:
        return std::make_unique<TRectangle>();
    case skRoundRectangle:
        return std::make_unique<TRoundRectangle>();
    case skSimProbe:
        return std::make_unique<TSimProbe>();
    case skSimStimulus:
        return std::make_unique<TSimStimulus>();
    case skSimVector:
        return std::make_unique<TSimVector>();
    case skSymbol:
        return std::make_unique<TSymbol>();
    case skWire:
        return std::make_unique<TWire>();
    default:
        return nullptr;
    }
}

void RecordObject(TSchObject& object, TStatementWriter& out, TStrList& variables) {
    if (object.Selection == 0)
        return;
    const auto emit = [&out](auto emitter) { return [&out, emitter](auto& wrapper) { emitter(wrapper, out); }; };
    switch (object.Kind) {
    case skArc:
        return Block<TArc>(object, out, "PlaceArc", emit(EmitArc));
    case skBezier:
        return Block<TBezier>(object, out, "PlaceBezier", emit(EmitLineObject));
    case skBus:
        return Block<TBus>(object, out, "PlaceBus", emit(EmitLineObject));
    case skBusEntry:
        return Block<TBusEntry>(object, out, "PlaceBusEntry", emit(EmitBusEntry));
    case skEllipse:
        return Block<TEllipse>(object, out, "PlaceEllipse", emit(EmitEllipse));
    case skEllipticalArc:
        return Block<TEllipticalArc>(object, out, "PlaceEllipticalArc", emit(EmitEllipticalArc));
    case skImage:
        return Block<TImage>(object, out, "PlaceGraphicImage", emit(EmitImage));
    case skJunction:
        return Block<TJunction>(object, out, "PlaceJunction", emit(EmitJunction));
    case skAnnotation:
        return Block<TAnnotation>(object, out, "PlaceAnnotation", emit(EmitLabel<TAnnotation>));
    case skLayoutDirective:
        return Block<TLayoutDirective>(object, out, "PlacePCBLayoutDirective", emit(EmitLayoutDirective));
    case skLine:
        return Block<TLine>(object, out, "PlaceLine", emit(EmitLine));
    case skNetLabel:
        return Block<TNetLabel>(object, out, "PlaceNetLabel", emit(EmitLabel<TNetLabel>));
    case skNoERC:
        return Block<TNoERC>(object, out, "PlaceNoERC", emit(EmitNoERC));
    case skPart:
        return Block<TSchPart>(object, out, "PlacePart",
                               [&out, &variables](TSchPart& part) { EmitPart(part, out, variables); });
    case skPie:
        return Block<TPie>(object, out, "PlacePieChart", emit(EmitPie));
    case skPolygon:
        return Block<TPolygon>(object, out, "PlacePolygon", emit(EmitPolygon));
    case skPolyline:
        return Block<TPolyline>(object, out, "PlaceLine", emit(EmitPolyline));
    case skPort:
        return Block<TPort>(object, out, "PlacePort", emit(EmitPort));
    case skPowerObject:
        return Block<TPowerObject>(object, out, "PlacePowerPort", emit(EmitPowerObject));
    case skRectangle:
        return Block<TRectangle>(object, out, "PlaceRectangle", emit(EmitRectangle));
    case skRoundRectangle:
        return Block<TRoundRectangle>(object, out, "PlaceRoundRectangle", emit(EmitRoundRectangle));
    case skSimProbe:
        return Block<TSimProbe>(object, out, "PlaceProbe", emit(EmitMarker<TSimProbe>));
    case skSimStimulus:
        return Block<TSimStimulus>(object, out, "PlaceStimulus", emit(EmitMarker<TSimStimulus>));
    case skSimVector:
        return Block<TSimVector>(object, out, "PlaceTestVectorIndex", emit(EmitMarker<TSimVector>));
    case skWire:
        return Block<TWire>(object, out, "PlaceWire", emit(EmitLineObject));
    default:
        return;
    }
}

void RecordPartType(std::string_view partType, TStatementWriter& out, TStrList& variables) {
    const std::string_view text = platform::TrimBlanks(partType);
    const std::size_t equals = text.find('=');
    std::string name(equals == std::string_view::npos ? text : platform::TrimBlanks(text.substr(0, equals)));
    std::string value;
    if (equals != std::string_view::npos) {
        std::replace(name.begin(), name.end(), ' ', '_');
        value = platform::TrimBlanks(text.substr(equals + 1));
    }
    if (name.empty() || name.front() != '$') {
        out.AddTextParameter("PartType", name);
        return;
    }
    name.front() = 'x';
    name = ScriptIdentifier(name);
    variables.AddUnique(name + '=' + value);
    // ClientBasic reads the value from the dialog's field, ClientPascal's dialog fills the variable itself.
    std::string source(out.IsPascal() ? "" : "Dlg.");
    source += name;
    out.AddStringParameter("PartType", source);
}

} // namespace snapscribe
