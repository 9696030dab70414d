// File > Acquire: one picture scanned whole (the editor's native transfer)
// and written as a BMP file in the temporary folder, which the new document
// made from it owns and deletes when it goes.
#pragma once

#include <string>

class QWidget;
class QnScanner;

// The file's path, or "" when no picture came (no scanner, cancelled, an
// error the user has been shown).
std::string LdScanToTempFile(QnScanner& scanner, QWidget* parent);
