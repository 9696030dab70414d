// The clipboard's picture handed to a new document: the packed DIB written
// as a BMP file in the temporary folder (prefix "~sclg"), which the new
// document's descriptor owns and deletes when it goes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes dib (a packed DIB: header, palette, bits) as a BMP file and returns
// its path. A DIB whose header or size is damaged raises QnExcept.
std::string LdWriteDibToTempFile(const std::vector<uint8_t>& dib);
// The clipboard's DIB as such a file; no DIB on the clipboard raises
// "Can't get clipboard data".
std::string WriteClipboardDibToTempFile();
