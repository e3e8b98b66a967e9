// A file type of the test prefix associated with the recorder, so that the
// shell's "open" on such a file starts recorder.exe on it.
//
// HKCR under Wine 8 is only HKLM\Software\Classes, so the association lives
// there: <extension> -> <ProgID>, <ProgID>\shell\open\command =
// "<recorder.exe>" "%1" (the shell inserts %1 without quotes).
#pragma once

#include <string>

namespace quillet::e2e {

class RecorderAssociation {
public:
    // extension with its dot, e.g. ".eml". Replaces whatever the prefix had
    // registered for it.
    explicit RecorderAssociation(std::string extension);
    // Removes the extension's key and the ProgID again.
    ~RecorderAssociation();
    RecorderAssociation(const RecorderAssociation&) = delete;
    RecorderAssociation& operator=(const RecorderAssociation&) = delete;

    // The open command as registered.
    const std::string& Command() const { return command_; }

private:
    std::string extension_key_;
    std::string prog_id_key_;
    std::string command_;
};

}  // namespace quillet::e2e
