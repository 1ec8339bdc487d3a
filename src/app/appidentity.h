// The program's identity on the desktop: the icon its windows carry and the
// desktop file it belongs to, so that a shell groups its windows under the
// launcher that started them.
#pragma once

namespace colmara {

// Needs the application object; call before any window is created.
void SetApplicationIdentity();

}  // namespace colmara
