#pragma once
// What the vertex coordinates dialog does to the polygon: choosing a vertex highlights it,
// applying typed numbers moves it, leaving takes the highlight off.

#include <string>

namespace editing {

// The vertex chosen last in the dialog's list, 0 until the first choice; kept across
// openings of the dialog.
extern int ChosenVertex;

// "01º vertice" .. "32º vertice" (the "º" is the Windows-1252 byte 0xBA).
std::string VertexItemText(int vertex);

struct ShownCoordinates {
    std::string x, y;
};

// The previous choice loses its highlight, the vertex of `item` gains it and the canvas shows
// it; the numbers come back for the two boxes.
ShownCoordinates ChooseVertex(const std::string& item);

// Moves the chosen vertex to the typed numbers (an empty box is 0) and redraws the mesh.
void ApplyCoordinates(const std::string& xText, const std::string& yText);

// Takes the highlight off the chosen vertex, in the Canvas only.
void ReleaseChosenVertex();

}  // namespace editing
