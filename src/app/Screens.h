#pragma once

namespace quorv {

// Puts every screen of the program into the screen catalogue, by objectName.
void registerScreens();

} // namespace quorv
