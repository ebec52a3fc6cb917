#pragma once

#include "ProfileFile.h"

#include <QString>

#include <filesystem>

namespace ign {

// A path the user or the system gave as text, in the form the file functions
// take: wide on Windows, the local 8-bit encoding elsewhere.
std::filesystem::path FileSystemPath(const QString& path);

// The settings file of the user: ZIR_OVI.ini in ignition-programmer/ under
// the configuration folder the system names for the user. The window keeps it;
// the command-line tool only reads it. Where that file does not exist yet, an
// older installation's file in the Windows directory is read in its place.
ProfileFile OpenUserSettingsFile();

}  // namespace ign
