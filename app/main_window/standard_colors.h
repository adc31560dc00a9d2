#pragma once
// The standard colours with their display names, as the colour boxes offer them.
class QComboBox;

// Adds the colours to `box`, each with a swatch, its name and the colour as item data.
void AddStandardColors(QComboBox& box);
