#pragma once
// The folder the file dialogs offer for scenario files. The user's documents
// folder unless the user chose another one that can still be written to: the
// program's own folder is no place for a user's files once the program is
// installed, and a folder that cannot be written makes every save fail.

#include <string>

namespace tavrel::shell {

// Whether a file can be made in the folder. Tried rather than asked: access()
// answers for the real user and so says yes to root where the effective rights
// say no.
bool folderIsWritable(const std::string& folder);

// The user's documents folder as the desktop names it: XDG_DOCUMENTS_DIR in
// user-dirs.dirs of the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config), else $HOME/Documents; empty without $HOME. Not created here.
std::string documentsFolder();

// The data folder at start-up, given the one the settings file holds (empty
// when none): that one when it is a folder the user can write to; otherwise
// the documents folder, created when missing; $HOME when that cannot be made;
// the current folder as the last resort. Never empty.
std::string startingDataFolder(const std::string& stored);

}  // namespace tavrel::shell
