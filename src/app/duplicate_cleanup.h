// The tidying of duplicate IME registrations at start.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Of preload entries whose catalog keys name the same IME file (compared whole,
// without regard to letter case, read afresh for every comparison), the first
// in list order stays; every later one leaves the preload list and the
// available list, and its catalog key is deleted. Entries without an "IME File"
// take no part. The list removals are not applied here.
void RemoveDuplicateImes(Context& context, MainWindow& window);

}  // namespace fennick
