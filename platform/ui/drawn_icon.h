#pragma once
// Icons the program draws itself: a drawing made on a square grid, painted antialiased on a
// transparent ground at each size asked for.
#include <QIcon>

#include <functional>
#include <initializer_list>

class QPainter;

// Draws on a `grid` by `grid` square.
using TIconDrawing = std::function<void(QPainter& painter)>;

// The drawing at each of `sizes`.
QIcon DrawnIcon(const TIconDrawing& draw, double grid, std::initializer_list<int> sizes);
