#pragma once

namespace selvio {

// Installs, once per process, how assistive technology sees the controls of this folder:
// - a radio button is announced as a radio button, also when it is not auto-exclusive (the
//   logic checks and unchecks each radio itself), and a check box as a check box; their
//   "Toggle" and "Press" actions click them as the user's mouse does, so the handler bound to
//   the control runs;
// - a clickable PictureLabel is a button with a "Press" action, a decorative one an image;
// - a TextLabel offers its whole text through the text interface, and its whole text as its
//   description while a line is elided.
void InstallAccessibleControls();

}  // namespace selvio
