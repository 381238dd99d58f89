#pragma once

namespace terravia {

// Makes screen readers speak a list by what it chooses, and its entry as the value. Qt's own
// interface on Linux speaks the current entry as the name, which leaves a user not knowing
// which list has the focus.
void InstallAccessibleLists();

} // namespace terravia
