#pragma once

class QCoreApplication;

namespace bks {

class Form2;
class PlatformServices;

// Loads Qt's own Japanese translation so standard dialogs and buttons read
// はい / いいえ / キャンセル. Returns false when it is not installed.
bool installJapaneseTranslation(QCoreApplication &app);

// Names the program and installs its translation and font substitutions.
// The windows carry exactly the titles the program gives them: no display
// name is set, which the X11 platform would append to every title.
void configureApplication(QCoreApplication &app);

// Puts the window's settings where this start keeps them (a start from the
// desktop menu has a folder of its own), tells the user when that folder
// could not be made, and loads them.
void loadWindowSettings(Form2 &window, PlatformServices &services, bool desktopStart);

// Starts the window and runs the event loop; `desktopStart`: started from
// the desktop menu (`--desktop`).
int runWindow(int argc, char **argv, bool desktopStart);
// Runs a command of the command line.
int runCommand(int argc, char **argv);

}  // namespace bks
