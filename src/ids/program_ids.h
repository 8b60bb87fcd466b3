#pragma once
// Every id the program gives its windows, commands and resources, in one place for the code,
// the resource script and the tests. Resource ids are macros: the resource compiler reads
// only the preprocessor's language.

#define POLIGONOS_ICON 200
#define POLIGONOS_GREEN_PLUS_PICTURE 333
#define POLIGONOS_MONITOR_PICTURE 338
#define POLIGONOS_PERSON_PICTURE 339
#define POLIGONOS_DOOR_PICTURE 340
#define POLIGONOS_PIN_PICTURE 341

#ifndef RC_INVOKED
namespace ids {

// Resources.
constexpr int kProgramIcon = POLIGONOS_ICON;
constexpr int kGreenPlusPicture = POLIGONOS_GREEN_PLUS_PICTURE;
constexpr int kMonitorPicture = POLIGONOS_MONITOR_PICTURE;
constexpr int kPersonPicture = POLIGONOS_PERSON_PICTURE;
constexpr int kDoorPicture = POLIGONOS_DOOR_PICTURE;
constexpr int kPinPicture = POLIGONOS_PIN_PICTURE;

// Controls of the main window.
constexpr int kPaintButton = 500;
constexpr int kMeshButton = 501;
constexpr int kSideList = 509;
constexpr int kWidthList = 510;
constexpr int kCanvasControl = 1001;

// Commands of the main window's menu.
constexpr int kSavePicture = 1010;
constexpr int kAuthor = 1011;
constexpr int kQuit = 1012;
constexpr int kBorderColor = 1013;
constexpr int kFillColor = 1014;
constexpr int kPaperColor = 1015;
constexpr int kFavoriteColors = 1016;
constexpr int kVertexProperties = 1017;

// Controls of "Coordenadas poligono", in the order they are made.
constexpr int kVertexPrompt = 1001;
constexpr int kVertexList = 1002;
constexpr int kVertexXLabel = 1003;
constexpr int kVertexXBox = 1004;
constexpr int kVertexYBox = 1005;
constexpr int kVertexYLabel = 1006;
constexpr int kVertexApply = 1007;
constexpr int kVertexLeave = 1008;

// Controls of "Tus Colores Favoritos".
constexpr int kPaletteControl = 31001;
constexpr int kArchiveButton = 31002;
constexpr int kLeaveButton = 31003;
constexpr int kResetButton = 31004;
constexpr int kSelectedColorLabel = 31005;

}  // namespace ids
#endif
