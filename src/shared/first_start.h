#pragma once

#include "shared/folders.h"

namespace orvant {

// Creates the root folder and its three folders where they are missing; never
// touches what exists. A folder that cannot be made is left out silently: the
// action that needs it reports later. True when the output folder was made now.
bool createMissingFolders(const Folders &folders);

} // namespace orvant
