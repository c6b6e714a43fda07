#pragma once

#include <functional>

// Starts a new, detached copy of this program (no arguments), the way changed
// tool switches take effect. Tests install a starter of their own so that no
// process is started.
class ProgramRestarter
{
public:
    // Returns whether the new copy was started.
    using Starter = std::function<bool()>;

    [[nodiscard]] static bool startNewCopy();
    // An empty starter brings the real start back.
    static void setStarter(Starter starter);
};
