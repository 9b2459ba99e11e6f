#pragma once

#include <filesystem>

class MainProgram;

// Writes pictures of the shown main window into `directory`: one per tree entry that names a sheet
// (NN_<sheet key>.png), and one of each small window (About, COM port, Cloning, clone information).
// Returns false when a picture could not be written.
bool WriteScreenshots(MainProgram& program, const std::filesystem::path& directory);
