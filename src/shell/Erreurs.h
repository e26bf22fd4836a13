#pragma once
// What cannot go on: a file that cannot be created, a value that cannot be written in its
// field, the program's fatal path. Each is turned into a message at the command's edge.

#include <stdexcept>
#include <string>

namespace vek {

// A result or network file that cannot be created or written.
struct ErreurFichier : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A value too wide for its fixed-width field: written shifted it would corrupt the columns.
struct ValeurHorsChamp : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A dense matrix that this machine's memory cannot hold: the command stops cleanly.
struct ErreurMemoire : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The unexpected error after which the program ends.
struct ErreurFatale : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A command cancelled by the person at one of its progress steps: it stops there and the
// command's edge puts the program back as it was. Not an std::exception, so that no routine's
// error handling takes it for its own.
struct Annulation {};

}  // namespace vek
