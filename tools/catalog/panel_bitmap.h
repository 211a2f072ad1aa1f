// Whether a bitmap file is a panel that the wizard's download page shows as
// it shows its own: read by the same header checks as its bitmap reader, and
// 8 bits a pixel, 150 x 300 pixels.
#ifndef TOOLS_CATALOG_PANEL_BITMAP_H
#define TOOLS_CATALOG_PANEL_BITMAP_H

#include <string>

// What is wrong with the file at path, as the end of a sentence ("is empty,
// the wizard skips it"); empty when it is a good panel.
std::string PanelBitmapProblem(const std::string &path);

#endif
