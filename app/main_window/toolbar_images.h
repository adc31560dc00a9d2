#pragma once
// The images of the toolbar buttons, in the order of the window's image list: the desktop's
// icon theme gives an image when it has one of that name; otherwise our own drawing stands
// in, so that the buttons look the same on a desktop without a theme.
#include <QIcon>

enum class TToolbarImage {
    SelectDate, PreviousYear, PreviousDay, Today, NextDay, NextYear, Save, HelpTopics,
    Undo, Cut, Copy, Paste, Font, Bold, Italic, Underline, LeftAlign, CenterAlign, RightAlign,
    Bullets,
};
constexpr int ToolbarImageCount = 20;

// Our own drawing of the image, at the sizes a toolbar or a high-density screen asks for.
QIcon DrawnToolbarImage(TToolbarImage image);
// The theme's image, or our drawing where the theme has none.
QIcon ToolbarImage(TToolbarImage image);
