#pragma once

#include <QString>

namespace fw {

class ServerProfile;

// What reading a profile file did.
struct ProfileReadResult {
    bool fileRead = false; // false when no file exists at the path: nothing changed
    // Why a file that is there could not be read (nothing changed either); empty otherwise.
    QString failure;
    // After a read: the saved map-cycle path names an existing file (kept), so Reset Cycle is
    // available; otherwise the path was cleared.
    bool resetCycleAvailable = false;
};

// A ServerProfile as an INI file, key by key in the profile layout, through CIniFile.
class ProfileFile {
public:
    // Applies every key the file holds. A key that is missing, unreadable or refused by its field
    // (a check value of -1, an option index no member has, a number outside the field's range)
    // leaves that field as it was; the walk always goes on. Other sections and keys are ignored.
    // The DM-flags sum field is then set from the boxes.
    static ProfileReadResult read(const QString& path, ServerProfile& profile);

    // Writes the whole profile in layout order. Integers are converted with halves to even; a
    // whole number beyond 16 bits is kept as its plain decimal text; a value that is no number
    // leaves its key out. The file is built beside the target and renamed over it at the end, so
    // the old file is replaced completely or, on failure, stays untouched. False (with a reason
    // in error) when it could not be written.
    static bool write(const QString& path, const ServerProfile& profile, QString* error = nullptr);
};

} // namespace fw
