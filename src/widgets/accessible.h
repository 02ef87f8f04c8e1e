#pragma once

namespace zorbla {

// The controls a child clicks (ClickLabel, GifAnimation) are labels and pictures to Qt, which
// assistive technology would read out but could not press. Once this has run, each that
// answers a click is a button to it: named by its accessible name (else its text), and
// pressed as a click would press it, while its window is in use. The others stay a text,
// a picture or an animation. Run before the controls are first asked about; running it
// again does nothing.
void exposeClickableControls();

}  // namespace zorbla
