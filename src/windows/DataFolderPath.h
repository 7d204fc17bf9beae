// The data folder as the setup window shows and stores it. The settings hold a full path;
// the window shows it relative to the program folder when it lies inside it, and with ".."
// steps when it lies elsewhere. The program folder is passed with its trailing separator.
#pragma once

#include <QString>

// The full path of the text typed into the data folder box: a relative text is taken against
// the program folder, "." and ".." steps are resolved and a trailing separator is dropped.
// An empty text stands for the program folder itself.
QString ResolveDataFolder(const QString& text, const QString& programFolder);

// How a stored data folder shows in the box: a relative one unchanged, a full one relative to
// the program folder ("." for the program folder itself).
QString DataFolderForDisplay(const QString& jobDir, const QString& programFolder);

// How a folder chosen in the folder dialog shows in the box: relative when its path begins
// with the program folder, else its full path.
QString ChosenFolderForDisplay(const QString& chosen, const QString& programFolder);
