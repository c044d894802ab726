// What the core's file routines share: a descriptor that closes itself, whole reads and writes that
// survive interruptions, and the words for what stands at a path that is not a regular file.
#pragma once

#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <utility>

namespace Storage::PosixFiles {

class Descriptor {
  public:
    explicit Descriptor(int descriptor = -1) : descriptor(descriptor) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : descriptor(std::exchange(other.descriptor, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    int get() const { return descriptor; }
    // Hands the descriptor on, for its new owner to close.
    int release() { return std::exchange(descriptor, -1); }
    bool valid() const { return descriptor >= 0; }
    // Closes now, for the caller to see whether the last writes reached the disk.
    bool close();

  private:
    int descriptor;
};

// Reads until `size` bytes are in or the file ends; the count read, or -1 on an error.
ssize_t readFully(int descriptor, std::byte* data, std::size_t size);
bool writeFully(int descriptor, const std::byte* data, std::size_t size);
bool syncFully(int descriptor);

// "a folder", "a named pipe (FIFO)", ...: what a file of this mode is, with its article.
std::string kindOf(mode_t mode);

// The reason the system gave for the last failed call.
std::string systemReason();

} // namespace Storage::PosixFiles
