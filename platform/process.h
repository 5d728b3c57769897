#pragma once

// Process numbers, for files whose name tells which running program made them.
long CurrentProcessId();

// True only when no process has the number: one that runs, or that the
// system will not tell about, is not gone.
bool ProcessIsGone(long processId);
