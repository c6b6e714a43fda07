#pragma once

// Whether this process can make an OpenGL context of at least version 2.1
// (or OpenGL ES 2.0) and make it current, as the 3-D graphs need; they end
// the process when they cannot, and crash on an older version. Asked once,
// then remembered.
[[nodiscard]] bool openGlAvailable();
