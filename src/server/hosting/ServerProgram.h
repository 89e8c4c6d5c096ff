#pragma once

#include <QString>
#include <QStringList>

namespace fw {

// The program Run starts, and how.
struct ServerProgram {
    QString path; // full path; empty when the game folder holds no server program at all
    bool throughWine = false; // a Windows program started by wine on a system that cannot run it
    bool chosenByUser = false; // the stored choice rather than the search

    bool isEmpty() const { return path.isEmpty(); }
};

// The native dedicated servers looked for in a game folder, in order: "omohaaded",
// "omohaaded.<arch>" (this machine's architecture, e.g. x86_64), "mohaa_lnxded".
QStringList nativeServerNames();

// The first native server in the game folder that is an executable file, or empty.
QString findNativeServer(const QString& gamePath);

// What Run starts for a game folder: the stored choice when one is given and exists, else on
// systems other than Windows the first native server found, else MOHAA_server.exe (through wine
// where Windows programs cannot run directly).
ServerProgram chooseServerProgram(const QString& gamePath, const QString& storedChoice);

} // namespace fw
