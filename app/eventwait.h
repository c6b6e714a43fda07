#pragma once

// Waits on the calling thread for at least `ms` milliseconds of monotonic time
// while its event loop keeps running, so timers, sockets and repaints go on.
// The events are processed in slices of at most 100 ms; nothing spins.
void waitProcessingEvents(int ms);
