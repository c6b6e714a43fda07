#pragma once

// Whether this process can make an OpenGL context and make it current, as
// the 3-D graphs need; the graphs end the process when they cannot. Asked
// once, then remembered.
[[nodiscard]] bool openGlAvailable();
