#pragma once
// Files and folders as the program uses them: paths written with "\" are folders
// beside the program and are read with "/"; names that go into paths are made safe.

#include <QString>

namespace shell {

// "Hyther_DB\Tokyo.mdb" -> "Hyther_DB/Tokyo.mdb".
QString nativePath(const QString& path);

// The current folder, and changing it. ChDir throws std::runtime_error naming the
// folder when it cannot be entered.
QString CurDir();
void ChDir(const QString& path);

// Creates one folder. Throws std::runtime_error naming the folder when it cannot be
// created (it exists already, or its parent is missing).
void MkDir(const QString& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool makePath(const QString& path);
bool folderExists(const QString& path);
bool fileExists(const QString& path);

// The address of a local file, for a web browser.
QString fileUrl(const QString& path);

// A name that is safe as one part of a file path: separators, "..", control characters
// and characters that file systems reserve are replaced; an empty result becomes
// the fallback.
QString safeFileName(const QString& name, const QString& fallback);

}  // namespace shell
