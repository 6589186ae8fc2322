#pragma once

#include "Check.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The rows of a Code table's reference transcription (tests/core/data): its
// tab-separated cells, after its comment lines and its header.
inline std::vector<std::vector<std::string>> referenceRows(const char *path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream file(path);
    check::that(file.good(), std::string("the reference opens: ") + path);
    std::string line;
    bool header = true;
    while (std::getline(file, line)) {
        if (line.starts_with("#") || line.empty())
            continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}
