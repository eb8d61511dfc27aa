#pragma once

// Installs the Linux backends of every platform service. Call once, after the
// QApplication exists. On a display server other than X11 the services that need
// X answer as if nothing were there (no pointer, no front process).
void installLinuxPlatform();
