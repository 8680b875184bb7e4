// Dispatching what is already queued, without waiting for more.
#pragma once

// Handles every message and X event pending now, then returns. Cheap
// enough to run between timed samples, unlike HostDrainMessages, which
// waits for the queue to stay quiet.
void PumpPending(void);
