#pragma once

namespace tunelot {

class Dialogs;
class FileCopier;
class SpaceQuery;

// The seams the main window talks through, so tests can put fakes in their place.
struct FormServices {
  Dialogs* dialogs = nullptr;
  FileCopier* copier = nullptr;
  SpaceQuery* spaceQuery = nullptr;
};

}  // namespace tunelot
