#include "hostsim/sheetgen/SheetGenerator.h"

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/plexa/LibraryFile.h"
#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/PartPlacer.h"

namespace hostsim {

namespace {

constexpr int32_t CellWidth = 160;
constexpr int32_t CellHeight = 130;
constexpr int32_t Grid = 10;
constexpr int32_t Margin = 60;      // room for the border and the ports on the left
constexpr int32_t BottomBand = 140; // room for the title block

struct Choice {
    const char* libReference;
    int weight;
    int partIds;
    std::vector<const char*> partTypes;
};

const std::vector<Choice>& choices() {
    static const std::vector<Choice> list{
        {"RES", 35, 1, {"1k", "4k7", "10k", "47k", "100k"}},
        {"CAP", 25, 1, {"22p", "100n", "1u", "10u"}},
        {"OPAMP", 15, 1, {"OPAMP"}},
        {"QUADNAND", 15, 4, {"NAND"}},
        {"HEADER4", 10, 1, {"HEADER4"}},
    };
    return list;
}

// A pin end free to be wired, with the direction it points in.
struct FreeEnd {
    Point at;
    uint8_t direction;
    bool used = false;
};

struct PlacedPart {
    SheetObject* part;
    std::vector<FreeEnd> ends;
};

class Generator {
public:
    Generator(Document& document, const GenerateOptions& options)
        : document_(document), options_(options), random_(options.seed) {}

    void run() {
        const auto columns = static_cast<int32_t>(std::ceil(std::sqrt(options_.parts * 1.4)));
        const int32_t rows = (options_.parts + columns - 1) / std::max(columns, 1);
        DocumentOptions& sheet = document_.options();
        sheet.sheetWidth = std::max(1500, 2 * Margin + columns * CellWidth);
        sheet.sheetHeight = std::max(950, BottomBand + Margin + rows * CellHeight);
        sheet.title = "Generated sheet, " + std::to_string(options_.parts) + " parts";
        sheet.documentNumber = "GEN-" + std::to_string(options_.seed);
        sheet.revision = "A";
        sheet.drawnBy = "tessellon-sim generate";
        columns_ = columns;
        for (int32_t i = 0; i < options_.parts; ++i)
            placePart(i % columns, i / columns);
        for (size_t i = 0; i < placed_.size(); ++i)
            wireNeighbours(i);
        for (auto& placed : placed_)
            finishLooseEnds(placed);
        if (options_.selectAll) {
            for (const auto& object : document_.objects())
                object->selection = 1;
        }
    }

private:
    uint32_t below(uint32_t n) { return n ? static_cast<uint32_t>(random_() % n) : 0; }
    bool chance(int percent) { return below(100) < static_cast<uint32_t>(percent); }
    static int32_t snap(int64_t value) { return static_cast<int32_t>(value / Grid * Grid); }

    const Choice& pick() {
        int total = 0;
        for (const Choice& choice : choices())
            total += choice.weight;
        int roll = static_cast<int>(below(static_cast<uint32_t>(total)));
        for (const Choice& choice : choices()) {
            if (roll < choice.weight)
                return choice;
            roll -= choice.weight;
        }
        return choices().front();
    }

    std::string uniqueId() {
        std::string id;
        for (int i = 0; i < 8; ++i)
            id += static_cast<char>('A' + below(26));
        return id;
    }

    Point cellOrigin(int32_t column, int32_t row) const {
        return {Margin + column * CellWidth, BottomBand + row * CellHeight};
    }

    void placePart(int32_t column, int32_t row) {
        const Choice& choice = pick();
        const LibraryComponent* component = document_.library().find(choice.libReference);
        auto part = makeObject(Kind::Part, false);
        PartRecord& record = *part->part;
        record.libReference = choice.libReference;
        record.partId = static_cast<int32_t>(1 + below(static_cast<uint32_t>(choice.partIds)));
        record.orientation = (record.libReference == "RES" || record.libReference == "CAP") ? below(4) : 0;
        record.uniqueId = uniqueId();
        record.footprint = component ? component->footprint : "";
        record.partType->text = choice.partTypes[below(static_cast<uint32_t>(choice.partTypes.size()))];
        const std::string prefix = component ? component->designatorPrefix : "X";
        const int number = ++counters_[prefix];
        record.designator->text =
            prefix + std::to_string(number) +
            (choice.partIds > 1 ? std::string(1, static_cast<char>('A' + record.partId - 1)) : "");
        record.descriptions[0] = makePartText(Kind::Text);
        record.descriptions[0]->text = component ? component->description : "";

        // Centre the part in its cell, on the grid.
        SheetObject& added = document_.add(std::move(part));
        const Rect bounds = boundsOf(added);
        const Point origin = cellOrigin(column, row);
        const Point target{snap(origin.x + CellWidth / 2 - (bounds.left + bounds.right) / 2 + added.location.x),
                           snap(origin.y + CellHeight / 2 - (bounds.bottom + bounds.top) / 2 + added.location.y)};
        moveTo(added, target);
        PlacedPart placed{&added, {}};
        for (const auto& pin : added.part->pins) {
            if (!pin->pin->isHidden)
                placed.ends.push_back({pin->location, pin->pin->orientation});
        }
        placed_.push_back(std::move(placed));
    }

    void moveTo(SheetObject& part, Point target) {
        const Placement before = Placement::of(part);
        part.location = target;
        movePart(part, before);
        document_.changed();
    }

    FreeEnd* freeEnd(PlacedPart& placed, uint8_t direction) {
        std::vector<FreeEnd*> candidates;
        for (FreeEnd& end : placed.ends) {
            if (!end.used && end.direction == direction)
                candidates.push_back(&end);
        }
        return candidates.empty() ? nullptr : candidates[below(static_cast<uint32_t>(candidates.size()))];
    }

    SheetObject& addWire(std::vector<Point> vertices) {
        auto wire = makeObject(Kind::Wire);
        wire->vertices = std::move(vertices);
        wire->location = wire->vertices.front();
        return document_.add(std::move(wire));
    }

    void addJunction(Point at) {
        auto junction = makeObject(Kind::Junction);
        junction->location = at;
        document_.add(std::move(junction));
    }

    void addNetLabel(Point at) {
        auto label = makeObject(Kind::NetLabel);
        label->location = at;
        label->text = "N" + std::to_string(++nets_);
        document_.add(std::move(label));
    }

    // Joins a pin pointing toward the neighbour with a pin of the neighbour pointing back, through the channel
    // between their cells; sometimes a third pin branches off the same net with a junction.
    void join(PlacedPart& from, PlacedPart& to, uint8_t direction, int32_t channel) {
        FreeEnd* a = freeEnd(from, direction);
        FreeEnd* b = freeEnd(to, static_cast<uint8_t>((direction + 2) & 3));
        if (!a || !b)
            return;
        a->used = b->used = true;
        const bool horizontal = (direction & 1) == 0;
        const Point bend1 = horizontal ? Point{channel, a->at.y} : Point{a->at.x, channel};
        const Point bend2 = horizontal ? Point{channel, b->at.y} : Point{b->at.x, channel};
        std::vector<Point> vertices{a->at, bend1};
        if (bend2 != bend1)
            vertices.push_back(bend2);
        vertices.push_back(b->at);
        addWire(vertices);
        if (chance(25) && horizontal && a->at.y == bend1.y && bend1.x - a->at.x >= 30)
            addNetLabel({a->at.x + 10, a->at.y});
        if (!chance(30))
            return;
        if (FreeEnd* c = freeEnd(to, static_cast<uint8_t>((direction + 2) & 3))) {
            c->used = true;
            const Point bend = horizontal ? Point{channel, c->at.y} : Point{c->at.x, channel};
            std::vector<Point> branch{c->at, bend};
            if (bend != bend2)
                branch.push_back(bend2);
            addWire(branch);
            addJunction(bend2);
        }
    }

    void wireNeighbours(size_t index) {
        const auto column = static_cast<int32_t>(index) % columns_;
        const auto row = static_cast<int32_t>(index) / columns_;
        if (column + 1 < columns_ && index + 1 < placed_.size() && chance(85))
            join(placed_[index], placed_[index + 1], 0, cellOrigin(column + 1, row).x);
        const size_t above = index + static_cast<size_t>(columns_);
        if (above < placed_.size() && chance(60))
            join(placed_[index], placed_[above], 1, cellOrigin(column, row + 1).y);
    }

    // Supplies on the pins that point up or down, ports on pins at the sheet's left edge.
    void finishLooseEnds(PlacedPart& placed) {
        for (FreeEnd& end : placed.ends) {
            if (end.used)
                continue;
            if ((end.direction == 1 || end.direction == 3) && chance(70)) {
                auto power = makeObject(Kind::PowerObject);
                power->location = end.at;
                power->orientation = end.direction;
                power->style = end.direction == 1 ? 2 : 4;
                power->text = end.direction == 1 ? "VCC" : "GND";
                document_.add(std::move(power));
                end.used = true;
            } else if (end.direction == 2 && end.at.x < Margin + CellWidth && chance(50)) {
                auto port = makeObject(Kind::Port);
                port->location = {snap(Margin - 40), end.at.y};
                port->width = 30;
                port->style = 2;
                port->text = "P" + std::to_string(++ports_);
                const Point portEnd{port->location.x + port->width, end.at.y};
                document_.add(std::move(port));
                addWire({portEnd, end.at});
                end.used = true;
            }
        }
    }

    Document& document_;
    GenerateOptions options_;
    std::mt19937 random_;
    int32_t columns_ = 1;
    std::vector<PlacedPart> placed_;
    std::map<std::string, int> counters_;
    int nets_ = 0;
    int ports_ = 0;
};

} // namespace

Document& generateSheet(const std::filesystem::path& libraryFile, const GenerateOptions& options,
                        const std::filesystem::path& fileName) {
    PartLibrary library = readLibraryFile(libraryFile);
    Document& document = DocumentStore::instance().create(fileName);
    try {
        document.setLibrary(std::move(library), "");
        Generator(document, options).run();
    } catch (...) {
        DocumentStore::instance().close(document.handle());
        throw;
    }
    return document;
}

std::filesystem::path shippedLibraryFile() {
    return std::filesystem::path(TESSELLON_DATA_DIR) / "library" / "parts.lib";
}

} // namespace hostsim
