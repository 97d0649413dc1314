#pragma once

namespace tunelot {

class Dialogs;
class FileCopier;
class ReportInteraction;
class Shell;
class SpaceQuery;

// The seams the main window talks through, so tests can put fakes in their place.
struct FormServices {
  Dialogs* dialogs = nullptr;
  FileCopier* copier = nullptr;
  SpaceQuery* spaceQuery = nullptr;
  Shell* shell = nullptr;
  // nullptr: the print component's own preview and options windows.
  ReportInteraction* reportInteraction = nullptr;
};

}  // namespace tunelot
