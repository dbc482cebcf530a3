#pragma once

class QCoreApplication;

namespace bks {

// Loads Qt's own Japanese translation so standard dialogs and buttons read
// はい / いいえ / キャンセル. Returns false when it is not installed.
bool installJapaneseTranslation(QCoreApplication &app);

// Names the program and installs its translation and font substitutions.
// The windows carry exactly the titles the program gives them: no display
// name is set, which the X11 platform would append to every title.
void configureApplication(QCoreApplication &app);

// Starts the window and runs the event loop.
int runWindow(int argc, char **argv);
// Runs a command of the command line.
int runCommand(int argc, char **argv);

}  // namespace bks
