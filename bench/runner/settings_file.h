// Quillet.INI as the benchmark prepares it: the [Main] section a previous
// run stored, then a bookkeeping section with a chosen number of records.
#pragma once

#include <string>

namespace quillet::bench {

class SettingsFile {
public:
    // Quillet.INI in the Windows directory, where a bare name lands.
    SettingsFile();

    // Keeps what the file holds besides its bookkeeping section (the [Main]
    // section of the last run), so that a run changes nothing in the file.
    void KeepMainSection();

    // Writes [Main] and [__Dont_Touch_Me__] Sectors=N, Sectors_1..N = a,b,c,
    // then dates the file an hour back: Wine re-reads a profile file on
    // every request while it is younger than 2.1 s, which a run must not
    // pay for a file written just before it.
    void Prepare(int records) const;

    // Removes the file, as before Quillet's first run.
    void Remove() const;

    // True when a run wrote the file after Prepare dated it back.
    bool WasRewritten() const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::string main_section_;
};

}  // namespace quillet::bench
