#pragma once

// Enumerations shared by the painted controls. The order of the values is
// fixed: forms keep them by name and position.

// Horizontal placement of a caption.
enum class TOrientation { oLeft, oCenter, oRight };

// Colour preset of a gradient panel; gsDEFAULT takes the panel's own colours.
enum class TGradStyle {
    gsBLUE,
    gsYELLOW,
    gsGREEN,
    gsRED,
    gsGRAY,
    gsSILVER,
    gsSAPHIR,
    gsDARKBLUE,
    gsORANGE,
    gsDARKGREEN,
    gsDARKGRAY,
    gsDEFAULT,
};

// Direction of a panel's gradient from its start to its end colour.
enum class TGradOrientation { goLeftToRigth, goRightToLeft, goTopToBottom, goBottomToTop };

// Whether a tab strip sits above its pages (tabs open downwards) or below
// them (tabs open upwards).
enum class TStyle { sTopToBottom, sBottomToTop };

// The edge of its parent a control is docked to. It decides which of its
// dimensions an automatic size may change: a control docked left or right
// gets its height from the parent, one docked top or bottom its width, one
// filling the parent both.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
