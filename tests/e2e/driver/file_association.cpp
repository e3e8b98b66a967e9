#include "driver/file_association.h"

#include <windows.h>

#include "driver/build_paths.h"
#include "driver/registry.h"

namespace quillet::e2e {
namespace {

constexpr char kClasses[] = "Software\\Classes\\";

// "<recorder.exe>" "%1". Built by appending: GCC 12 misreports a chain of
// operator+ starting at a literal as an overlapping copy.
std::string RecorderOpenCommand() {
    std::string command = "\"";
    command.append(RecorderExePath());
    command.append("\" \"%1\"");
    return command;
}

}  // namespace

RecorderAssociation::RecorderAssociation(std::string extension)
    : extension_key_(kClasses + extension),
      prog_id_key_(std::string(kClasses) + "QuilletTests.Recorder" + extension),
      command_(RecorderOpenCommand()) {
    RequireFile(RecorderExePath());
    // A leftover of an interrupted run must not add to what is registered.
    DeleteKeyTree(HKEY_LOCAL_MACHINE, extension_key_);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, prog_id_key_);
    WriteDefaultText(HKEY_LOCAL_MACHINE, extension_key_, prog_id_key_.substr(sizeof kClasses - 1));
    WriteDefaultText(HKEY_LOCAL_MACHINE, prog_id_key_ + "\\shell\\open\\command", command_);
}

RecorderAssociation::~RecorderAssociation() {
    // A destructor must not throw; what cannot be removed stays for the next
    // run's constructor to clear.
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, extension_key_.c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, prog_id_key_.c_str());
}

}  // namespace quillet::e2e
