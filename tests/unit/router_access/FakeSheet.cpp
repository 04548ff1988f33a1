#include "FakeSheet.h"

#include <cstring>

namespace wirewright::test {

TFakeSheet& Sheet() {
    static TFakeSheet Instance;
    return Instance;
}

namespace {

TFakeItem& Item(THostHandle Handle) {
    return Sheet().Items[Handle];
}

THostHandle Next(THostHandle Iterator) {
    auto& [Objects, Position] = Sheet().Iterators.at(Iterator);
    return Position < Objects.size() ? Objects[Position++] : 0;
}

int32_t Close(THostHandle Iterator) {
    Sheet().Iterators.erase(Iterator);
    return 1;
}

bool Contains(const TFakeItem& I, int32_t X, int32_t Y) {
    return std::min(I.X1, I.X2) <= X && X <= std::max(I.X1, I.X2) && std::min(I.Y1, I.Y2) <= Y &&
           Y <= std::max(I.Y1, I.Y2);
}

TPoint Placed(TPoint P, const TFakeItem& Part) {
    for (int Turn = 0; Turn < (Part.Orientation <= 3 ? Part.Orientation : 0); ++Turn)
        P = {-P.Y, P.X};
    return {P.X + Part.Location.X, P.Y + Part.Location.Y};
}

} // namespace

void BindFakeSheet(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    TFakeItem& Document = Item(Sheet().Document);
    Document.X1 = X1, Document.Y1 = Y1, Document.X2 = X2, Document.Y2 = Y2;

    TSchApiTable& T = GlobalSchApi;
    T.SchAPI_GetCurrentDocumentHandle = []() -> THostHandle { return Sheet().Document; };
    T.SchAPI_GetObjectIdFromObjectHandle = [](THostHandle H) -> uint8_t { return Item(H).Kind; };
    T.SchAPI_GetObjectBoundingRectangle = [](THostHandle H, int32_t* X1, int32_t* Y1, int32_t* X2, int32_t* Y2) {
        const TFakeItem& I = Item(H);
        *X1 = I.X1, *Y1 = I.Y1, *X2 = I.X2, *Y2 = I.Y2;
    };
    T.SchAPI_CreateIterator = [](THostHandle Document, uint8_t) -> THostHandle {
        return Document == Sheet().Document ? Sheet().OpenIterator(Sheet().SheetObjects) : 0;
    };
    T.SchAPI_GetFirstObject = T.SchAPI_GetNextObject = &Next;
    T.SchAPI_DestroyIterator = &Close;
    T.SchAPI_CreateGroupIterator = [](THostHandle Container) -> THostHandle {
        return Sheet().OpenIterator(Sheet().Containers[Container]);
    };
    T.SchAPI_GetFirstGroupObject = T.SchAPI_GetNextGroupObject = &Next;
    T.SchAPI_DestroyGroupIterator = &Close;
    T.SchAPI_CreateSpatialIterator = [](THostHandle, int32_t X, int32_t Y, int32_t, int32_t,
                                        const TObjectKindSet* Kinds) -> THostHandle {
        std::vector<THostHandle> Found;
        for (THostHandle H : Sheet().SheetObjects)
            if ((*Kinds & KindSetOf(Item(H).Kind)) != 0 && Contains(Item(H), X, Y))
                Found.push_back(H);
        return Sheet().OpenIterator(Found);
    };
    T.SchAPI_GetFirstSpatialObject =
        T.SchAPI_GetNextSpatialObject = [](THostHandle It, int32_t*) -> THostHandle { return Next(It); };
    T.SchAPI_DestroySpatialIterator = &Close;
    T.SchAPI_GetLibraryComponentHandle = [](const char* Reference, int32_t) -> THostHandle {
        return Sheet().Library[Reference];
    };
    T.SchAPI_GetLibraryPartContainer = [](THostHandle Component, int32_t PartId, uint8_t Mode) -> THostHandle {
        return Sheet().PartContainers[{Component, PartId, Mode}];
    };
    T.SchAPI_ReplicatePartItem = [](THostHandle Pin, THostHandle Part) -> THostHandle {
        TFakeItem Copy = Item(Pin);
        const TPoint A = Placed({Copy.X1, Copy.Y1}, Item(Part)), B = Placed({Copy.X2, Copy.Y2}, Item(Part));
        Copy.X1 = A.X, Copy.Y1 = A.Y, Copy.X2 = B.X, Copy.Y2 = B.Y;
        ++Sheet().LiveCopies;
        return Sheet().Add(Copy);
    };
    T.SchAPI_DestroyPartItem = [](THostHandle Copy) -> int32_t {
        --Sheet().LiveCopies;
        Sheet().Items.erase(Copy);
        return 1;
    };
    T.SchAPI_QueryVertexCount = [](uint8_t, THostHandle H, int32_t) -> int32_t {
        return static_cast<int32_t>(Item(H).Vertices.size());
    };
    T.SchAPI_QueryVertexAt = [](uint8_t, THostHandle H, int32_t Index, int32_t* X, int32_t* Y) -> int32_t {
        const TPoint V = Item(H).Vertices.at(static_cast<std::size_t>(Index - 1));
        *X = V.X, *Y = V.Y;
        return 0;
    };
    // Record reads fill the fields the router uses, by argument position after mode and handle.
    T.SchAPIQuery_GrafObject = [](uint8_t, THostHandle H, auto... F) -> int32_t {
        auto Fields = std::tie(F...);
        *std::get<0>(Fields) = Item(H).Kind;
        *std::get<1>(Fields) = Item(H).Location.X;
        *std::get<2>(Fields) = Item(H).Location.Y;
        return 1;
    };
    T.SchAPI_QueryText = [](uint8_t, THostHandle H, auto... F) -> int32_t {
        *std::get<2>(std::tie(F...)) = Item(H).IsHidden;
        return 1;
    };
    T.SchAPI_QueryJunction = [](uint8_t, THostHandle H, auto... F) -> int32_t {
        *std::get<0>(std::tie(F...)) = Item(H).Location.X;
        *std::get<1>(std::tie(F...)) = Item(H).Location.Y;
        return 1;
    };
    T.SchAPIQuery_Pin = [](uint8_t, THostHandle H, auto... F) -> int32_t {
        *std::get<17>(std::tie(F...)) = Item(H).IsHidden;
        return 1;
    };
    T.SchApiQuery_SchComponent = [](uint8_t, THostHandle H, auto... F) -> int32_t {
        auto Fields = std::tie(F...);
        *std::get<12>(Fields) = Item(H).ShowHiddenPins;
        *std::get<21>(Fields) = Item(H).Designator;
        *std::get<23>(Fields) = Item(H).ItemContainer;
        return 1;
    };
    T.SchAPI_QuerySchPart = [](uint8_t, THostHandle H, auto... F) -> int32_t {
        auto Fields = std::tie(F...);
        const TFakeItem& Part = Item(H);
        *std::get<0>(Fields) = Part.Location.X;
        *std::get<1>(Fields) = Part.Location.Y;
        *std::get<2>(Fields) = Part.DisplayMode;
        *std::get<4>(Fields) = Part.Orientation;
        *std::get<6>(Fields) = Part.PartId;
        std::strcpy(*std::get<9>(Fields), Part.LibReference.c_str());
        return 1;
    };
    T.SchAPI_QueryDocumentOptions = [](uint8_t, THostHandle, auto... F) -> int32_t {
        auto Fields = std::tie(F...);
        *std::get<1>(Fields) = Sheet().StyledTitleBlock;
        *std::get<4>(Fields) = Sheet().TitleBlockStyle;
        *std::get<8>(Fields) = Sheet().SnapToGrid;
        return 1;
    };
}

std::multiset<TLeaf> LeavesOf(const TObstacleTree& Tree) {
    std::multiset<TLeaf> Leaves;
    std::vector<const TObstacle*> Stack;
    if (Tree.Root != nullptr)
        Stack.push_back(Tree.Root);
    while (!Stack.empty()) {
        const TObstacle* Node = Stack.back();
        Stack.pop_back();
        if (Node->IsLeaf) {
            Leaves.insert({Node->Kind, Node->Rect.Left, Node->Rect.Bottom, Node->Rect.Right, Node->Rect.Top});
            continue;
        }
        Stack.push_back(Node->LowChild);
        Stack.push_back(Node->HighChild);
    }
    return Leaves;
}

} // namespace wirewright::test
