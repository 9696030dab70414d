// How the album's dialogs show a time: "%H:%M:%S %d/%m/%Y" in local time.
#pragma once

#include <cstdint>
#include <string>

std::string AlbumTimeText(int64_t seconds);
