#include "hostsim/host/Placement.h"

#include <gtest/gtest.h>

#include <set>

namespace hostsim {
namespace {

const PlacementProcess& Process(std::string_view name) {
    for (const PlacementProcess& process : PlacementProcesses())
        if (process.Name == name)
            return process;
    throw std::invalid_argument(std::string(name));
}

std::unique_ptr<SheetObject> Place(std::string_view process, const char* parameters) {
    return MakePlacedObject(Process(process), ParameterText(parameters));
}

TEST(Placement, TwentyFourProcessesEachPlaceTheirKindFromACompleteText) {
    const char* everything = "Location.X=10 | Location.Y=20 | Corner.X=30 | Corner.Y=40 | Location1.X=10 | "
                             "Location1.Y=20 | Location2.X=50 | Location2.Y=20 | LibReference=RES";
    std::set<std::string_view> names;
    for (const PlacementProcess& process : PlacementProcesses()) {
        names.insert(process.Name);
        auto object = MakePlacedObject(process, ParameterText(everything));
        EXPECT_EQ(object->kind, process.ObjectKind) << process.Name;
        EXPECT_EQ(object->location, (Point{10, 20})) << process.Name;
    }
    EXPECT_EQ(names.size(), 24u);
}

TEST(Placement, WireTakesItsVertexListAndAttributes) {
    auto wire = Place("Sch:PlaceWire", "LineWidth=1 | Color=128 | Selection=False | Location1.X=0 | Location1.Y=100 | "
                                       "Location2.X=200 | Location2.Y=100 | Location3.X=200 | Location3.Y=-50");
    EXPECT_EQ(wire->kind, Kind::Wire);
    EXPECT_EQ(wire->lineWidth, 1);
    EXPECT_EQ(wire->color, 128);
    EXPECT_EQ(wire->selection, 0);
    EXPECT_EQ(wire->vertices, (std::vector<Point>{{0, 100}, {200, 100}, {200, -50}}));
    EXPECT_EQ(wire->location, (Point{0, 100}));
}

TEST(Placement, VertexListEndsAtTheFirstMissingIndex) {
    auto line = Place("Sch:PlaceLine", "Location1.X=1 | Location1.Y=2 | Location3.X=5 | Location3.Y=6 | LineStyle=2");
    EXPECT_EQ(line->kind, Kind::Polyline);
    EXPECT_EQ(line->lineStyle, 2);
    EXPECT_EQ(line->vertices, (std::vector<Point>{{1, 2}}));
}

TEST(Placement, ArcAnglesAndFlagsConvert) {
    auto arc = Place("Sch:PlaceArc", "Location.X=-40 | Location.Y=150 | Radius=30 | LineWidth=2 | "
                                     "StartAngle= 0.00000000000000E+0000 | EndAngle= 9.00000000000000E+0001 | "
                                     "Color=255 | Selection=True");
    EXPECT_EQ(arc->location, (Point{-40, 150}));
    EXPECT_EQ(arc->radius, 30);
    EXPECT_DOUBLE_EQ(arc->startAngle.toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(arc->endAngle.toDouble(), 90.0);
    EXPECT_EQ(arc->selection, 1);

    auto image = Place("Sch:PlaceGraphicImage", "Location.X=0 | Location.Y=0 | Corner.X=100 | Corner.Y=50 | "
                                                "IsSolid=true | KeepAspect=FALSE | FileName=C:\\logo.bmp");
    EXPECT_EQ(image->corner, (Point{100, 50}));
    EXPECT_EQ(image->isSolid, 1);
    EXPECT_EQ(image->keepAspect, 0);
    EXPECT_EQ(image->text, "C:\\logo.bmp");
}

TEST(Placement, PortAndLabelTexts) {
    auto port = Place("Sch:PlacePort", "Style=3 | IOType=1 | Alignment=2 | Width=60 | Location.X=5 | Location.Y=6 | "
                                       "AreaColor=7 | TextColor=8 | Name=CLK");
    EXPECT_EQ(port->style, 3);
    EXPECT_EQ(port->ioType, 1);
    EXPECT_EQ(port->alignment, 2);
    EXPECT_EQ(port->width, 60);
    EXPECT_EQ(port->areaColor, 7);
    EXPECT_EQ(port->textColor, 8);
    EXPECT_EQ(port->text, "CLK");

    auto label = Place("Sch:PlaceNetLabel", "Location.X=5 | Location.Y=6 | Orientation=1 | S=DATA0");
    EXPECT_EQ(label->orientation, 1);
    EXPECT_EQ(label->text, "DATA0");
}

TEST(Placement, PartTakesItsFieldsTextsAndDescriptions) {
    auto part = Place("Sch:PlacePart",
                      "Location.X=100 | Location.Y=200 | CompDisplayMode=1 | IsMirrored=True | Orientation=3 | "
                      "Selection=False | PartId=2 | ShowHiddenFields=False | ShowHiddenPins=True | "
                      "LibReference=RES | FootPrint=AXIAL0.4 | Designator=R1 | PartType=10k | "
                      "PartDescription3=Vcc | PartDescription16=last");
    ASSERT_TRUE(part->part);
    const PartRecord& record = *part->part;
    EXPECT_EQ(part->location, (Point{100, 200}));
    EXPECT_EQ(record.compDisplayMode, 1);
    EXPECT_EQ(record.isMirrored, 1);
    EXPECT_EQ(record.orientation, 3);
    EXPECT_EQ(record.partId, 2);
    EXPECT_EQ(record.showHiddenFields, 0);
    EXPECT_EQ(record.showHiddenPins, 1);
    EXPECT_EQ(record.libReference, "RES");
    EXPECT_EQ(record.footprint, "AXIAL0.4");
    EXPECT_EQ(record.designator->text, "R1");
    EXPECT_EQ(record.partType->text, "10k");
    EXPECT_EQ(record.descriptions[2]->text, "Vcc");
    EXPECT_EQ(record.descriptions[15]->text, "last");
    EXPECT_EQ(record.descriptions[0]->text, "");
    EXPECT_TRUE(record.pinsFromLibrary);
}

TEST(Placement, UnusableParametersAreRefused) {
    struct Case {
        const char* Process;
        const char* Parameters;
        const char* Message;
    };
    const Case cases[] = {
        {"Sch:PlaceJunction", "Location.Y=4", "Location.X and Location.Y are both needed"},
        {"Sch:PlaceRectangle", "Location.X=1 | Location.Y=2 | Corner.X=3", "Corner.X and Corner.Y are both needed"},
        {"Sch:PlaceWire", "Color=1", "Location1.X and Location1.Y are both needed"},
        {"Sch:PlaceWire", "Location1.X=1 | Location1.Y=2 | Location2.X=3",
         "Location2.X and Location2.Y are both needed"},
        {"Sch:PlaceJunction", "Location.X=1 | Location.Y=2 | Size=300",
         "Size=300: expected a whole number from 0 to 255"},
        {"Sch:PlaceNoERC", "Location.X=1e3 | Location.Y=2", "Location.X=1e3: expected a whole number"},
        {"Sch:PlaceEllipse", "Location.X=1 | Location.Y=2 | IsSolid=1", "IsSolid=1: expected True or False"},
        {"Sch:PlaceArc", "Location.X=1 | Location.Y=2 | EndAngle=1e300",
         "EndAngle=1e300: expected a number the host's real can hold"},
    };
    for (const Case& c : cases) {
        try {
            Place(c.Process, c.Parameters);
            ADD_FAILURE() << c.Process << " accepted " << c.Parameters;
        } catch (const ParameterError& error) {
            EXPECT_STREQ(error.what(), c.Message) << c.Parameters;
        }
    }
}

TEST(Placement, ParametersThePlacementDoesNotReadAreIgnored) {
    auto junction = Place("Sch:PlaceJunction", "Location.X=1 | Location.Y=2 | Radius=oops | S=text | Size=3");
    EXPECT_EQ(junction->radius, 0);
    EXPECT_EQ(junction->text, "");
    EXPECT_EQ(junction->size, 3);
}

} // namespace
} // namespace hostsim
