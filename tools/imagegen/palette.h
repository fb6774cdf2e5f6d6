#pragma once
// The colours of the light theme. Faces are light because widget text is
// black; the one strong accent is blue (title bar, hover, selection).

#include "canvas.h"

namespace Palette {

// The window body, and what the edges of round shapes fade into, since
// every widget sits on it.
inline constexpr TColour Body{234, 237, 242};

// Raised faces (buttons, spin arrows), top to bottom.
inline constexpr TColour Highlight{255, 255, 255};
inline constexpr TColour FaceTop{252, 253, 254};
inline constexpr TColour Face{243, 245, 248};
inline constexpr TColour FaceBottom{228, 232, 238};
inline constexpr TColour Shadow{190, 197, 209};
inline constexpr TColour Outline{122, 132, 150};

// Pointer over a control: a pale blue face and a blue outline.
inline constexpr TColour HotFaceTop{244, 249, 255};
inline constexpr TColour HotFace{228, 239, 253};
inline constexpr TColour HotFaceBottom{216, 230, 250};
inline constexpr TColour HotOutline{74, 128, 204};

// Held down: sunk, a shade darker and bluer.
inline constexpr TColour PressedFace{210, 222, 240};
inline constexpr TColour PressedShadow{168, 186, 214};
inline constexpr TColour PressedOutline{56, 100, 170};

// Sunken white wells: check and radio boxes, the edit field.
inline constexpr TColour Well{255, 255, 255};
inline constexpr TColour WellShadow{204, 210, 220};
inline constexpr TColour HotWell{236, 244, 255};
inline constexpr TColour PressedWell{212, 224, 242};

// Ticks, dots and arrows.
inline constexpr TColour Mark{34, 44, 64};

// The window: a blue title bar and a thin blue frame around the body.
inline constexpr TColour TitleOutline{30, 58, 108};
inline constexpr TColour TitleGloss{156, 194, 240};
inline constexpr TColour TitleTop{96, 146, 216};
inline constexpr TColour TitleBottom{44, 92, 170};
inline constexpr TColour FrameFace{62, 110, 186};
inline constexpr TColour FrameInner{40, 74, 132};

// The roll-up box: a lighter blue button with a white chevron.
inline constexpr TColour RollUpTop{150, 190, 240};
inline constexpr TColour RollUpBottom{84, 134, 208};
inline constexpr TColour RollUpGloss{200, 222, 250};
inline constexpr TColour RollUpChevron{255, 255, 255};

// The edit's selection, shown at half opacity over the white field.
inline constexpr TColour Selection{28, 102, 222};

// The progress bar: a light trough and green segments.
inline constexpr TColour Trough{226, 230, 236};
inline constexpr TColour TroughShadow{190, 197, 208};
inline constexpr TColour TroughLight{246, 247, 250};
inline constexpr TColour FillGloss{186, 236, 166};
inline constexpr TColour FillTop{120, 202, 96};
inline constexpr TColour FillBottom{50, 146, 44};

} // namespace Palette
