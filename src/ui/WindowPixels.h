#pragma once

namespace zarvo::ui::WindowPixels {

// Lets go of the pixels our hidden windows were last painted with: each keeps an image as large as
// itself (1.4 MB for the panel, more at scale 2, in memory shared with the X server). Showing a window
// paints it whole anyway, into an image made again at its size.
void dropHidden();

} // namespace zarvo::ui::WindowPixels
