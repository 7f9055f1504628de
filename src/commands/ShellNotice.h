// The notices to the shell after a change of the registry.
#pragma once

// Associations changed: Explorer shows the new icons and links.
void NotifyAssociationsChanged();
// The per-user extensions switch changed: also every window that shows files
// is told that the shell's state changed.
void NotifyShellStateChanged();
