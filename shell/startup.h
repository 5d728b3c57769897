#pragma once

#include <string>

class TMainWindow;

// Makes the three long-lived windows in their order: the main window (which
// loads the settings and the library), the list window, the hidden page
// setup dialog. Loads from the Data folder beside the program unless told another.
TMainWindow* StartProgram(const std::string& dataDirectory = {});
