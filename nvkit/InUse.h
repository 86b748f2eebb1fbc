#pragma once

namespace nvkit {

// Whether another process holds the name. The first call claims the name
// for the process's life when it is free; later calls use that first name.
// The claim is a lock the system drops when its holder dies.
bool NameInUse(const char* name);

} // namespace nvkit
