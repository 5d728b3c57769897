#pragma once

#include "settings/windowstate.h"
#include "shell/listwindow.h"

#include <QRect>
#include <optional>

// Where the windows were left, checked against where they can be now. A
// place that does not fit gives way to the first-run placement.

// A top-level window's stored frame, when it lies whole on one of the screens.
std::optional<QRect> OnAScreen(const std::optional<TWindowGeometry>& stored);
// A child window's stored geometry, when it lies whole in an area of that size.
std::optional<QRect> InsideArea(const std::optional<TWindowGeometry>& stored, QSize area);

TTreeState TreeStateFrom(const TStoredTree& stored);
TStoredTree StoredTreeFrom(const TTreeState& state);
