// Painting the preview's scene: the part of the table a zoom shows, on white
// paper, or a note when there is no table.
#pragma once

#include <windows.h>

#include "output/preview_scene.h"
#include "ui/preview_zoom.h"

namespace kaveta::view {

// The scene's bounds and text height, for the zoom.
PreviewExtent ExtentOf(const PreviewScene& scene);

// Whether the scene has a table to draw (else PaintScene shows a note).
bool Drawable(const PreviewScene& scene);

// The client area the zoom describes, in `dc`. Only the items that reach
// into it are drawn, so the cost follows what is shown, not the table's size.
void PaintScene(HDC dc, const PreviewScene& scene, const PreviewZoom& zoom, int dpi);

}  // namespace kaveta::view
