// A member file as a building model exports it, drawn at random: every shape
// family with a design class equally often, each member under a few load
// combinations. The batch benchmark and zorsteel_random_members write it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>

// Writes rows (about; whole members of four combinations) to out as the
// command's member CSV, from the catalogue beside the executable; the same
// seed gives the same file. False when the catalogue gives no section.
bool WriteRandomMembers(std::ostream& out, std::size_t rows, std::uint64_t seed);
