#pragma once

class QWidget;

namespace fw {

struct AppContext;

enum class ScanOutcome { Declined, Completed, Failed };

// A map scan with its progress window. With ask set, "Do you wish to scan for new maps?" comes
// first. A failed scan has shown its message; the caller ends the program.
ScanOutcome runMapScan(AppContext& context, QWidget* parent, bool ask);

} // namespace fw
