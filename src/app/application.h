#pragma once

namespace zorbla {

// Names the running program as the desktop knows it: its own folder is then exactly
// ~/.local/share/zorbla, and every window shows its caption as written.
void nameApplication();

}  // namespace zorbla
