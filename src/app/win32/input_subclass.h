// Subclasses that turn raw input into model events: the swatches' press,
// drag and click; the floating editors' Enter key; the settings panel
// passing its children's notifications on to the window.
#pragma once

#include <windows.h>

namespace kaveta::view {

class MainWindow;

void SubclassSwatch(MainWindow& window, HWND swatch);
void SubclassEditor(MainWindow& window, HWND combo);
void SubclassPanel(MainWindow& window, HWND frame);

}  // namespace kaveta::view
